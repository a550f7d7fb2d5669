// The CommonDlg's own property numbers: what a file dialog runs from, and FileName, which it writes.
#pragma once

#include <cstdint>

namespace tessavia {

enum CommonDlgProperty : int32_t {
  kDialogTypeProperty = 8,  // 0 open, 1 save; 2 and 3 are the font and help dialogs
  kTitleProperty,
  kFileNameProperty,
  kFilterProperty,
  kInitialFilterProperty,
  kInitialFolderProperty,
  kDefaultExtensionProperty,
  kPromptCreateProperty,
  kFileMustExistProperty,
  kPromptOverwriteProperty,
  kPathMustExistProperty,
  kKeepCurrentFolderProperty,
  kCommonDlgPropertyEnd
};

}  // namespace tessavia
