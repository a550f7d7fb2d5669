// The file, clock and homepage commands against the real window in-process: what they do to the
// editor, the path box, the status label and the files, with the dialogs answered by a responder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "app/component_ids.h"
#include "app/window_description.h"
#include "runtime/components.h"
#include "runtime/date_time.h"
#include "runtime/file_dialog.h"
#include "runtime/files.h"
#include "runtime/lifecycle.h"
#include "runtime/window_access.h"
#include "tests/windows/dialog_responder.h"
#include "tests/windows/scratch_folder.h"

namespace tessavia {
namespace {

using testing::DialogResponder;
using testing::FileContent;
using testing::PutFile;
using testing::ScratchFolder;
using Answer = DialogResponder::Answer;

std::string Read(uint32_t componentId, int32_t property) {
  OwnedText text(ReadTextProperty(MainWindowId, componentId, property));
  return text ? std::string(text.get()) : std::string();
}
void Write(uint32_t componentId, int32_t property, const std::string& text) {
  WriteTextProperty(MainWindowId, componentId, property, text.c_str());
}

std::string Editor() {
  return Read(kEditorId, kRichEditContent);
}
std::string PathBox() {
  return Read(kPathBoxId, kEditBoxContent);
}
std::string Status() {
  return Read(kStatusLabelId, kLabelCaption);
}

std::string TimeNow() {
  OwnedText time(DateTimeToText(CurrentDateTime(), kTimeOnly));
  return time.get();
}

// Runs a command and checks that the status label then shows the time of day during the command
// followed by word.
template <typename Command>
void ExpectStatusAfter(Command command, const std::string& word) {
  const std::string before = TimeNow();
  command();
  const std::string after = TimeNow();
  const std::string status = Status();
  EXPECT_TRUE(status == before + word || status == after + word) << status;
}

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryW(MAX_PATH, savedDirectory_);
    SetCurrentDirectoryW(GbkToWide(folder_.Path()).c_str());
    Write(kEditorId, kRichEditContent, "");
    Write(kPathBoxId, kEditBoxContent, "");
    Write(kStatusLabelId, kLabelCaption, "untouched");
    Write(kOpenDialogId, kFileNameProperty, "");
  }
  void TearDown() override { SetCurrentDirectoryW(savedDirectory_); }

  HWND Owner() const { return WindowHandle(MainWindowId); }

  ScratchFolder folder_;
  wchar_t savedDirectory_[MAX_PATH];
};

TEST_F(FileCommandsTest, SaveWritesTheEditorToTheTypedPathWithoutADialog) {
  const std::string doc = folder_ / "简体.txt";
  ASSERT_TRUE(PutFile(doc, "a much longer old content"));
  Write(kEditorId, kRichEditContent, "国\r\n发");
  Write(kPathBoxId, kEditBoxContent, doc);
  ExpectStatusAfter(Save, "保存成功！");
  EXPECT_EQ(FileContent(doc), "国\r\n发");
  EXPECT_EQ(PathBox(), doc);

  Write(kEditorId, kRichEditContent, "");  // an empty editor makes an empty file
  ExpectStatusAfter(Save, "保存成功！");
  EXPECT_EQ(FileContent(doc), "");
}

TEST_F(FileCommandsTest, SaveIntoAMissingFolderFailsAndChangesNothing) {
  const std::string doc = folder_ / "没有\\文档.txt";
  Write(kEditorId, kRichEditContent, "text");
  Write(kPathBoxId, kEditBoxContent, doc);
  ExpectStatusAfter(Save, "保存失败！");
  EXPECT_EQ(Editor(), "text");
  EXPECT_EQ(PathBox(), doc);
  EXPECT_TRUE(folder_.Names().empty());
}

TEST_F(FileCommandsTest, SaveWithAnEmptyPathBoxAsksForANameFirst) {
  Write(kEditorId, kRichEditContent, "新的");
  DialogResponder responder(Answer::kConfirm, folder_ / "新文件", Owner());
  ExpectStatusAfter(Save, "保存成功！");
  const DialogResponder::Seen& seen = responder.Finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.title, "保存文件");
  EXPECT_EQ(seen.fileName, "");
  EXPECT_EQ(seen.filterCount, 1);
  EXPECT_EQ(PathBox(), folder_ / "新文件");  // no extension added
  EXPECT_EQ(FileContent(folder_ / "新文件"), "新的");
}

TEST_F(FileCommandsTest, CancelledSaveWritesNothingAndLeavesTheStatus) {
  Write(kEditorId, kRichEditContent, "text");
  DialogResponder responder(Answer::kCancel, {}, Owner());
  Save();
  ASSERT_TRUE(responder.Finish().found);
  EXPECT_EQ(Status(), "untouched");
  EXPECT_EQ(PathBox(), "");
  EXPECT_TRUE(folder_.Names().empty());
}

TEST_F(FileCommandsTest, SaveAsAlwaysAsksStartingFromThePathBox) {
  const std::string old = folder_ / "旧.txt";
  Write(kEditorId, kRichEditContent, "内容");
  Write(kPathBoxId, kEditBoxContent, old);
  DialogResponder responder(Answer::kConfirm, folder_ / "另存.txt", Owner());
  ExpectStatusAfter(SaveAs, "保存成功！");
  const DialogResponder::Seen& seen = responder.Finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.title, "文件另存为");
  EXPECT_EQ(seen.fileName, "旧.txt");  // the dialog shows the name part of the path it starts from
  EXPECT_EQ(PathBox(), folder_ / "另存.txt");
  EXPECT_EQ(FileContent(folder_ / "另存.txt"), "内容");
  EXPECT_EQ(FileContent(old), "<missing>");
}

TEST_F(FileCommandsTest, OpenPutsTheChosenPathInThePathBoxAndTheTextInTheEditor) {
  const std::string doc = folder_ / "繁體.txt";
  ASSERT_TRUE(PutFile(doc, std::string("發表\r\n\0after the zero", 21)));
  DialogResponder responder(Answer::kConfirm, doc, Owner());
  Open();
  const DialogResponder::Seen& seen = responder.Finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.title, "打开文件");
  EXPECT_EQ(seen.filterCount, 2);
  EXPECT_EQ(seen.filterShown, "文本文件");
  EXPECT_EQ(PathBox(), doc);
  EXPECT_EQ(Editor(), "發表\r\n");  // up to the first zero byte
  EXPECT_EQ(Status(), "untouched");
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
  Write(kEditorId, kRichEditContent, "kept");
  Write(kPathBoxId, kEditBoxContent, "kept.txt");
  DialogResponder responder(Answer::kCancel, {}, Owner());
  Open();
  ASSERT_TRUE(responder.Finish().found);
  EXPECT_EQ(Editor(), "kept");
  EXPECT_EQ(PathBox(), "kept.txt");
}

TEST_F(FileCommandsTest, OpenPathLoadsThePathAsTypedOrAsksWhenEmpty) {
  const std::string doc = folder_ / "文档.txt";
  ASSERT_TRUE(PutFile(doc, "正文"));
  Write(kPathBoxId, kEditBoxContent, doc);
  OpenPath();
  EXPECT_EQ(Editor(), "正文");

  // A missing file empties the editor and leaves the path box as typed.
  Write(kPathBoxId, kEditBoxContent, folder_ / "没有.txt");
  OpenPath();
  EXPECT_EQ(Editor(), "");
  EXPECT_EQ(PathBox(), folder_ / "没有.txt");

  Write(kPathBoxId, kEditBoxContent, "");
  DialogResponder responder(Answer::kConfirm, doc, Owner());
  OpenPath();
  ASSERT_TRUE(responder.Finish().found);
  EXPECT_EQ(PathBox(), doc);
  EXPECT_EQ(Editor(), "正文");
}

TEST_F(FileCommandsTest, OpenDefaultReadsTheSettingsFileOfTheCurrentDirectory) {
  const std::string doc = folder_ / "默认.txt";
  ASSERT_TRUE(PutFile(doc, "默认文档"));
  ASSERT_TRUE(PutFile(folder_ / "Tessavia.ini", "[地址]\r\n地址=" + doc + "\r\n"));
  OpenDefault();
  EXPECT_EQ(PathBox(), doc);
  EXPECT_EQ(Editor(), "默认文档");

  // Without the settings file the path box and the editor are emptied.
  DeleteFileW(GbkToWide(folder_ / "Tessavia.ini").c_str());
  OpenDefault();
  EXPECT_EQ(PathBox(), "");
  EXPECT_EQ(Editor(), "");
  EXPECT_EQ(Status(), "untouched");
}

TEST_F(FileCommandsTest, OpenDefaultLooksWhereTheLastDialogWasLeft) {
  // The dialogs do not keep the current directory: after browsing to another folder and picking a
  // file there, the settings file is looked for in that folder.
  ScratchFolder other;
  ASSERT_TRUE(PutFile(other / "picked.txt", "picked"));
  ASSERT_TRUE(PutFile(other / "Tessavia.ini", "[地址]\r\n地址=picked.txt\r\n"));
  DialogResponder responder(Answer::kConfirm, "picked.txt", Owner(), other.Path());
  Open();
  ASSERT_TRUE(responder.Finish().found);
  OpenDefault();
  EXPECT_EQ(PathBox(), "picked.txt");
  EXPECT_EQ(Editor(), "picked");
}

TEST_F(FileCommandsTest, ClearPathEmptiesOnlyThePathBox) {
  Write(kEditorId, kRichEditContent, "kept");
  Write(kPathBoxId, kEditBoxContent, "some.txt");
  ClearPath();
  EXPECT_EQ(PathBox(), "");
  EXPECT_EQ(Editor(), "kept");
  EXPECT_EQ(Status(), "untouched");
}

TEST_F(FileCommandsTest, ShowFileDialogTakesItsSettingsFromTheComponent) {
  // Settings that the commands never write, on the save dialog: the second filter selected at
  // first, an extension added to a typed name, and the current directory given back afterwards.
  ScratchFolder other;
  Write(kSaveDialogId, kFilterProperty, "文本文件|*.TXT|所有格式|*.*");
  Write(kSaveDialogId, kFileNameProperty, "");
  WriteIntProperty(MainWindowId, kSaveDialogId, kInitialFilterProperty, 1);
  Write(kSaveDialogId, kDefaultExtensionProperty, "txt");
  WriteIntProperty(MainWindowId, kSaveDialogId, kKeepCurrentFolderProperty, 1);
  DialogResponder responder(Answer::kConfirm, "带扩展名", Owner(), other.Path());
  EXPECT_EQ(ShowFileDialog(MainWindowId, kSaveDialogId), 1);
  const DialogResponder::Seen& seen = responder.Finish();
  WriteIntProperty(MainWindowId, kSaveDialogId, kInitialFilterProperty, 0);
  Write(kSaveDialogId, kDefaultExtensionProperty, "");
  WriteIntProperty(MainWindowId, kSaveDialogId, kKeepCurrentFolderProperty, 0);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.filterShown, "所有格式");
  EXPECT_EQ(Read(kSaveDialogId, kFileNameProperty), other / "带扩展名.txt");
  OwnedText directory(GetCurrentDir());
  EXPECT_STREQ(directory.get(), folder_.Path().c_str());
}

// The child process of the test below sets this to be the one that fails.
constexpr wchar_t kFatalChildVariable[] = L"TESSAVIA_FATAL_CHILD";

struct ErrorBox {
  HWND box = nullptr;
  std::wstring text;
};

// The error box that a process shows: a dialog window of it with the caption 错误, and its text.
ErrorBox FindErrorBox(DWORD processId) {
  struct Search {
    DWORD processId;
    ErrorBox found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t caption[16] = {};
        GetWindowTextW(window, caption, 16);
        if (owner != s.processId || !IsWindowVisible(window) || WideToGbk(caption) != "错误") return TRUE;
        s.found.box = window;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM text) -> BOOL {
              wchar_t part[512] = {};
              GetWindowTextW(child, part, 512);
              *reinterpret_cast<std::wstring*>(text) += part;
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&s.found.text));
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ShowFileDialog, AComponentThatIsNotThereIsFatal) {
  constexpr uint32_t kNoSuchDialog = 0x16010099;
  wchar_t child[8] = {};
  if (GetEnvironmentVariableW(kFatalChildVariable, child, 8)) {
    ShowFileDialog(MainWindowId, kNoSuchDialog);
    return;  // not reached
  }
  // Run this test again in a child process, read its error box, dismiss it and take its exit code.
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --gtest_filter=ShowFileDialog.*";
  SetEnvironmentVariableW(kFatalChildVariable, L"1");
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const BOOL started = CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(kFatalChildVariable, nullptr);
  ASSERT_TRUE(started);
  ErrorBox error;
  for (int waited = 0; !error.box && waited < 30000; waited += 100) {
    Sleep(100);
    error = FindErrorBox(process.dwProcessId);
  }
  ASSERT_NE(error.box, nullptr) << "no error box";
  EXPECT_NE(WideToGbk(error.text).find("指定窗口或窗口组件不存在或尚未载入"), std::string::npos)
      << WideToGbk(error.text);
  PostMessageW(error.box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, static_cast<DWORD>(-1));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

TEST(ClockCommands, TheClockRunsEverySecondAndShowsTheTimeOfDay) {
  EXPECT_EQ(ReadProperty(MainWindowId, kClockTimerId, kTimerPeriod), 1000);  // set by Window Created
  Write(kClockLabelId, kLabelCaption, "");
  // Within a little over a second a tick has written the time of day, without any command called.
  const std::string before = TimeNow();
  const DWORD start = GetTickCount();
  while (Read(kClockLabelId, kLabelCaption).empty() && GetTickCount() - start < 3000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    ProcessPendingMessages();
  }
  const std::string shown = Read(kClockLabelId, kLabelCaption);
  EXPECT_TRUE(shown == before || shown == TimeNow()) << shown;
}

}  // namespace
}  // namespace tessavia

// The real window, loaded once for every test of this program as start-up loads it.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tessavia::InitRuntime(tessavia::MainWindowDescription);
  tessavia::LoadWindow(tessavia::MainWindowId);
  return RUN_ALL_TESTS();
}
