// File commands: open, open the path box's file, open the default file, save, save as, clear the path.
#include "app/commands.h"
#include "app/component_ids.h"
#include "runtime/components.h"
#include "runtime/date_time.h"
#include "runtime/file_dialog.h"
#include "runtime/files.h"
#include "runtime/text_values.h"

namespace tessavia {
namespace {

constexpr char kOpenTitle[] = "打开文件";
constexpr char kOpenFilter[] = "文本文件|*.TXT;*.INI;*.xml|所有格式|*.*";
constexpr char kSaveTitle[] = "保存文件";
constexpr char kSaveAsTitle[] = "文件另存为";
constexpr char kSaveFilter[] = "文本文件|*.TXT;*.INI;*.xml";
constexpr char kSavedWord[] = "保存成功！";
constexpr char kNotSavedWord[] = "保存失败！";
// Joined to the current directory with no check of separators: the platform takes a doubled one.
constexpr char kSettingsFileName[] = "/Tessavia.ini";
constexpr char kSettingsSection[] = "地址";
constexpr char kSettingsKey[] = "地址";

OwnedText ReadText(uint32_t componentId, int32_t property) {
  return OwnedText(ReadTextProperty(MainWindowId, componentId, property));
}

void WriteText(uint32_t componentId, int32_t property, const char* text) {
  WriteTextProperty(MainWindowId, componentId, property, OrEmpty(text));
}

void CopyText(uint32_t fromId, int32_t fromProperty, uint32_t toId, int32_t toProperty) {
  OwnedText text = ReadText(fromId, fromProperty);
  WriteText(toId, toProperty, text.get());
}

bool PathBoxIsEmpty() {
  OwnedText path = ReadText(kPathBoxId, kEditBoxContent);
  return CompareTexts(OrEmpty(path.get()), EmptyText) == 0;
}

// The editor gets the text of the file that the property names: up to its first zero byte, and
// nothing when the file cannot be read or is empty.
void LoadPathIntoEditor(uint32_t sourceId, int32_t sourceProperty) {
  OwnedByteSet bytes;
  {
    OwnedText path = ReadText(sourceId, sourceProperty);
    bytes.reset(ReadFileBytes(OrEmpty(path.get())));
  }
  OwnedText text(BytesToText(OrEmpty(bytes.get())));
  bytes.reset();
  WriteText(kEditorId, kRichEditContent, text.get());
}

// Runs the open dialog; once a file is confirmed, the path box shows it.
bool AskForFileToOpen() {
  WriteText(kOpenDialogId, kTitleProperty, kOpenTitle);
  WriteText(kOpenDialogId, kFilterProperty, kOpenFilter);
  if (ShowFileDialog(MainWindowId, kOpenDialogId) != 1) return false;
  CopyText(kOpenDialogId, kFileNameProperty, kPathBoxId, kEditBoxContent);
  return true;
}

// Runs the save dialog, starting from the path box's path; once a name is confirmed, the path box
// shows it.
bool AskForFileToSave(const char* title) {
  WriteText(kSaveDialogId, kTitleProperty, title);
  CopyText(kPathBoxId, kEditBoxContent, kSaveDialogId, kFileNameProperty);
  WriteText(kSaveDialogId, kFilterProperty, kSaveFilter);
  if (ShowFileDialog(MainWindowId, kSaveDialogId) != 1) return false;
  CopyText(kSaveDialogId, kFileNameProperty, kPathBoxId, kEditBoxContent);
  return true;
}

// The status label: the time of day and the outcome, with nothing between them.
void ShowStatus(int32_t writeResult) {
  OwnedText time(DateTimeToText(CurrentDateTime(), kTimeOnly));
  OwnedText status(ConcatTexts(2, time.get(), writeResult == 1 ? kSavedWord : kNotSavedWord));
  time.reset();
  WriteText(kStatusLabelId, kLabelCaption, status.get());
}

// Writes the editor's text to the path in the path box and reports how it went.
void SaveToPathBox() {
  OwnedByteSet bytes;
  {
    OwnedText text = ReadText(kEditorId, kRichEditContent);
    bytes.reset(TextToBytes(OrEmpty(text.get())));
  }
  int32_t result;
  {
    OwnedText path = ReadText(kPathBoxId, kEditBoxContent);
    result = WriteFileBytes(OrEmpty(path.get()), OrEmpty(bytes.get()));
  }
  bytes.reset();
  ShowStatus(result);
}

}  // namespace

void Open() {
  if (AskForFileToOpen()) LoadPathIntoEditor(kOpenDialogId, kFileNameProperty);
}

void OpenPath() {
  // The path is used exactly as typed; an empty path box asks first, as Open does.
  if (!PathBoxIsEmpty()) {
    LoadPathIntoEditor(kPathBoxId, kEditBoxContent);
  } else if (AskForFileToOpen()) {
    LoadPathIntoEditor(kOpenDialogId, kFileNameProperty);
  }
}

void OpenDefault() {
  // The settings file is looked for in the current directory of the moment: the program's folder,
  // or the folder a file dialog was last left in.
  OwnedText value;
  {
    OwnedText directory(GetCurrentDir());
    OwnedText settingsPath(ConcatTexts(2, OrEmpty(directory.get()), kSettingsFileName));
    directory.reset();
    value.reset(ReadIniValue(settingsPath.get(), kSettingsSection, kSettingsKey));
  }
  WriteText(kPathBoxId, kEditBoxContent, value.get());
  value.reset();
  LoadPathIntoEditor(kPathBoxId, kEditBoxContent);
}

void Save() {
  if (PathBoxIsEmpty() && !AskForFileToSave(kSaveTitle)) return;
  SaveToPathBox();
}

void SaveAs() {
  if (AskForFileToSave(kSaveAsTitle)) SaveToPathBox();
}

void ClearPath() {
  WriteText(kPathBoxId, kEditBoxContent, EmptyText);
}

}  // namespace tessavia
