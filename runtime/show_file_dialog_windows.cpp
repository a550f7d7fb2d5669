// ShowFileDialog: the open or save dialog that a CommonDlg component's properties describe.
#include <windows.h>
#include <commdlg.h>

#include "runtime/components.h"
#include "runtime/fatal_error.h"
#include "runtime/file_dialog.h"
#include "runtime/filter_list.h"

namespace tessavia {
namespace {

std::string ReadText(uint32_t windowId, uint32_t componentId, int32_t property) {
  OwnedText text(ReadTextProperty(windowId, componentId, property));
  return text ? std::string(text.get()) : std::string();
}

int32_t ReadNumber(uint32_t windowId, uint32_t componentId, int32_t property) {
  return static_cast<int32_t>(ReadProperty(windowId, componentId, property));
}

}  // namespace

int32_t ShowFileDialog(uint32_t windowId, uint32_t componentId) {
  if (!IsComponentLoaded(windowId, componentId)) ReportFatalError(0, "指定窗口或窗口组件不存在或尚未载入");
  const int32_t type = ReadNumber(windowId, componentId, kDialogTypeProperty);
  // The font and help dialogs (types 2 and 3) are not part of this program.
  if (type != 0 && type != 1) return 0;

  auto flagIf = [&](int32_t property, DWORD flag) {
    return ReadNumber(windowId, componentId, property) == 1 ? flag : 0;
  };
  FileDialogRequest request;
  request.save = type == 1;
  // No read-only check box: the program never opens a file for writing from the open dialog.
  request.flags = OFN_HIDEREADONLY | flagIf(kPromptCreateProperty, OFN_CREATEPROMPT) |
                  flagIf(kFileMustExistProperty, OFN_FILEMUSTEXIST) |
                  flagIf(kPromptOverwriteProperty, OFN_OVERWRITEPROMPT) |
                  flagIf(kPathMustExistProperty, OFN_PATHMUSTEXIST) |
                  flagIf(kKeepCurrentFolderProperty, OFN_NOCHANGEDIR);
  request.filterList = BuildFilterList(ReadText(windowId, componentId, kFilterProperty));
  if (!request.filterList.empty()) {
    const int32_t initial = ReadNumber(windowId, componentId, kInitialFilterProperty);
    request.filterIndex = static_cast<DWORD>(initial < 0 ? 0 : initial) + 1;
  }
  request.fileName = ReadText(windowId, componentId, kFileNameProperty);
  request.title = ReadText(windowId, componentId, kTitleProperty);
  request.initialFolder = ReadText(windowId, componentId, kInitialFolderProperty);
  request.defaultExtension = ReadText(windowId, componentId, kDefaultExtensionProperty);
  request.owner = GetActiveWindow();  // the main window while a command runs
  if (!RunFileDialog(request)) return 0;
  WriteTextProperty(windowId, componentId, kFileNameProperty, request.fileName.c_str());
  return 1;
}

}  // namespace tessavia
