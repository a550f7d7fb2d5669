// The platform's open and save dialogs, in their wide-character form with every text turned through
// code page 936, so that Chinese titles, filters and paths work the same on any system.
#include <windows.h>
#include <commdlg.h>

#include "runtime/file_dialog.h"
#include "runtime/gbk_chars.h"
#include "runtime/gbk_wide.h"

namespace tessavia {
namespace {

const wchar_t* OrNone(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

// Centres the dialog over its owner once the dialog has laid itself out. The hook's own window is
// an empty child of the Explorer-style dialog; the dialog is its parent.
UINT_PTR CALLBACK CentreOverOwner(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hook, GWLP_USERDATA, lParam);  // the OPENFILENAMEW, alive while the dialog is
  } else if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
    const auto* dialogSettings =
        reinterpret_cast<const OPENFILENAMEW*>(GetWindowLongPtrW(hook, GWLP_USERDATA));
    const HWND dialog = GetParent(hook);
    RECT owner, box;
    if (dialogSettings && dialogSettings->hwndOwner && GetWindowRect(dialogSettings->hwndOwner, &owner) &&
        GetWindowRect(dialog, &box)) {
      const int width = box.right - box.left, height = box.bottom - box.top;
      SetWindowPos(dialog, nullptr, (owner.left + owner.right - width) / 2,
                   (owner.top + owner.bottom - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  return 0;  // the dialog's own handling goes on
}

}  // namespace

bool RunFileDialog(FileDialogRequest& request) {
  // The name buffer holds 260 GBK bytes; the starting name is cut between characters to fit.
  wchar_t name[kFileNameBufferBytes] = {};
  const std::wstring start = GbkToWide(GbkPrefix(request.fileName, kFileNameBufferBytes - 1));
  start.copy(name, kFileNameBufferBytes - 1);
  const std::wstring filters = GbkToWide(request.filterList);  // the NULs between parts come along
  const std::wstring title = GbkToWide(request.title);
  const std::wstring folder = GbkToWide(request.initialFolder);
  const std::wstring extension = GbkToWide(request.defaultExtension);

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = OrNone(filters);
  dialog.nFilterIndex = filters.empty() ? 0 : request.filterIndex;
  dialog.lpstrFile = name;
  dialog.nMaxFile = kFileNameBufferBytes;
  dialog.lpstrTitle = OrNone(title);
  dialog.lpstrInitialDir = OrNone(folder);
  dialog.lpstrDefExt = OrNone(extension);
  dialog.Flags = request.flags | OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
  dialog.lpfnHook = CentreOverOwner;

  // The owner is disabled while the dialog is up so that no command of it can start, and the
  // control that had the focus gets it back afterwards if it still exists.
  const HWND focus = GetFocus();
  if (request.owner) EnableWindow(request.owner, FALSE);
  const BOOL confirmed = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (request.owner) EnableWindow(request.owner, TRUE);
  if (focus && IsWindow(focus)) SetFocus(focus);

  if (!confirmed) return false;
  std::string chosen = WideToGbk(name);
  if (chosen.empty() || chosen.size() >= kFileNameBufferBytes) return false;  // does not fit the name
  request.fileName = std::move(chosen);
  return true;
}

}  // namespace tessavia
