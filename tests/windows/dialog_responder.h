// Answers the next file dialog that this process shows: from a thread of its own it waits for the
// dialog, notes what it shows, types a name into it and confirms, or cancels it. A folder typed and
// confirmed first is browsed into, as a user does.
#pragma once

#include <windows.h>
#include <dlgs.h>

#include <atomic>
#include <string>
#include <thread>

#include "runtime/gbk_wide.h"

namespace tessavia::testing {

class DialogResponder {
 public:
  enum class Answer { kConfirm, kCancel };

  // What the dialog showed when it was found.
  struct Seen {
    bool found = false;
    std::string title;        // GBK
    std::string fileName;     // the name field's text, GBK
    std::string filterShown;  // the selected filter's description, GBK
    int filterCount = -1;
    bool ownerEnabled = true;  // the owner's state while the dialog was up
    POINT centre{}, ownerCentre{};
  };

  // Types typedName (GBK; none when empty) and answers. The owner is the window that should be
  // disabled while the dialog is up; browsedFolder, when given, is typed and confirmed first.
  DialogResponder(Answer answer, std::string typedName = {}, HWND owner = nullptr,
                  std::string browsedFolder = {})
      : answer_(answer),
        typed_(std::move(typedName)),
        owner_(owner),
        folder_(std::move(browsedFolder)),
        thread_([this] { Respond(); }) {}
  ~DialogResponder() { Finish(); }
  DialogResponder(const DialogResponder&) = delete;
  DialogResponder& operator=(const DialogResponder&) = delete;

  // Waits for the responder to be done, then tells what it saw.
  const Seen& Finish() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  static HWND FindDialog() {
    struct Search {
      HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t kind[16] = {};
          GetClassNameW(window, kind, 16);
          if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
              std::wstring(kind) == L"#32770") {
            reinterpret_cast<Search*>(data)->found = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  static std::string TextOf(HWND window) {
    wchar_t text[1024] = {};
    if (window) SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return WideToGbk(text);
  }

  static POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  // The file name field: an edit box (edt1) in some versions of the dialog, a combo box (cmb13) in others.
  static HWND NameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, cmb13);
    return field ? field : GetDlgItem(dialog, edt1);
  }

  void Respond() {
    HWND dialog = nullptr;
    for (int waited = 0; !dialog && waited < 20000; waited += 50) {
      Sleep(50);
      dialog = FindDialog();
    }
    if (!dialog) return;
    Sleep(300);  // let it finish laying itself out and centring
    seen_.found = true;
    seen_.title = TextOf(dialog);
    seen_.fileName = TextOf(NameField(dialog));
    const HWND filters = GetDlgItem(dialog, cmb1);
    seen_.filterCount = static_cast<int>(SendMessageW(filters, CB_GETCOUNT, 0, 0));
    seen_.filterShown = TextOf(filters);
    seen_.centre = Centre(dialog);
    if (owner_) {
      seen_.ownerEnabled = IsWindowEnabled(owner_) != 0;
      seen_.ownerCentre = Centre(owner_);
    }
    if (!folder_.empty()) {
      Type(dialog, folder_);
      Press(dialog, IDOK);
      Sleep(500);
    }
    if (answer_ == Answer::kConfirm && !typed_.empty()) Type(dialog, typed_);
    Press(dialog, answer_ == Answer::kConfirm ? IDOK : IDCANCEL);
  }

  static void Type(HWND dialog, const std::string& text) {
    SendMessageW(NameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(GbkToWide(text).c_str()));
  }
  static void Press(HWND dialog, int button) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  }

  Answer answer_;
  std::string typed_;
  HWND owner_;
  std::string folder_;
  Seen seen_;
  std::thread thread_;
};

}  // namespace tessavia::testing
