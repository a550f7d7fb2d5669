// The platform's open and save dialogs, answered by a responder thread: what they show, what they
// give back, and the owner and focus around them.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "runtime/file_dialog.h"
#include "runtime/filter_list.h"
#include "tests/windows/dialog_responder.h"
#include "tests/windows/scratch_folder.h"

namespace tessavia {
namespace {

using testing::DialogResponder;
using testing::PutFile;
using testing::ScratchFolder;

// A shown top-level window with an edit box that holds the keyboard focus.
class OwnerWindow {
 public:
  OwnerWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 900, 700,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, window_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    SetFocus(edit_);
  }
  ~OwnerWindow() { DestroyWindow(window_); }
  HWND Window() const { return window_; }
  HWND Edit() const { return edit_; }

 private:
  HWND window_, edit_;
};

constexpr DWORD kProgramFlags =
    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;

class FileDialogTest : public ::testing::Test {
 protected:
  FileDialogRequest Request(bool save, const std::string& filter) {
    FileDialogRequest request;
    request.save = save;
    request.flags = kProgramFlags;
    request.filterList = BuildFilterList(filter);
    request.filterIndex = 1;
    request.initialFolder = folder_.Path();
    request.owner = owner_.Window();
    return request;
  }

  ScratchFolder folder_;
  OwnerWindow owner_;
};

TEST_F(FileDialogTest, ConfirmedOpenGivesTheFullPathWithOwnerDisabledMeanwhile) {
  ASSERT_TRUE(PutFile(folder_ / "繁體.txt", "x"));
  FileDialogRequest request = Request(false, "文本文件|*.TXT;*.INI;*.xml|所有格式|*.*");
  request.title = "打开文件";
  DialogResponder responder(DialogResponder::Answer::kConfirm, "繁體.txt", owner_.Window());
  EXPECT_TRUE(RunFileDialog(request));
  const DialogResponder::Seen& seen = responder.Finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(request.fileName, folder_ / "繁體.txt");
  EXPECT_EQ(seen.title, "打开文件");
  EXPECT_EQ(seen.filterCount, 2);
  EXPECT_EQ(seen.filterShown, "文本文件");
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_LE(std::abs(seen.centre.x - seen.ownerCentre.x), 2);
  EXPECT_LE(std::abs(seen.centre.y - seen.ownerCentre.y), 2);
  EXPECT_TRUE(IsWindowEnabled(owner_.Window()));
  EXPECT_EQ(GetFocus(), owner_.Edit());
}

TEST_F(FileDialogTest, CancelledDialogKeepsTheName) {
  FileDialogRequest request = Request(true, "文本文件|*.TXT;*.INI;*.xml");
  request.fileName = "原来的.txt";
  DialogResponder responder(DialogResponder::Answer::kCancel, {}, owner_.Window());
  EXPECT_FALSE(RunFileDialog(request));
  const DialogResponder::Seen& seen = responder.Finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.fileName, "原来的.txt");  // the dialog starts with the name
  EXPECT_EQ(request.fileName, "原来的.txt");
  EXPECT_TRUE(IsWindowEnabled(owner_.Window()));
  EXPECT_EQ(GetFocus(), owner_.Edit());
}

TEST_F(FileDialogTest, SavedNameWithoutExtensionStaysAsTyped) {
  FileDialogRequest request = Request(true, "文本文件|*.TXT;*.INI;*.xml");
  DialogResponder responder(DialogResponder::Answer::kConfirm, "没有扩展名", owner_.Window());
  EXPECT_TRUE(RunFileDialog(request));
  ASSERT_TRUE(responder.Finish().found);
  EXPECT_EQ(request.fileName, folder_ / "没有扩展名");
}

TEST_F(FileDialogTest, PathLongerThanTheNameBufferIsNotConfirmed) {
  // 120 Chinese characters fit 260 UTF-16 units but not 260 GBK bytes.
  std::string longName;
  for (int i = 0; i < 120; ++i) longName += "长";
  FileDialogRequest request = Request(true, "");
  request.fileName = "原来的.txt";
  DialogResponder responder(DialogResponder::Answer::kConfirm, longName, owner_.Window());
  EXPECT_FALSE(RunFileDialog(request));
  ASSERT_TRUE(responder.Finish().found);
  EXPECT_EQ(request.fileName, "原来的.txt");
}

}  // namespace
}  // namespace tessavia
