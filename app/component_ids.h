// The main window's id and the ids and property numbers of the components that commands use.
#pragma once

#include <cstdint>

#include "runtime/common_dlg_properties.h"  // the dialogs' Title, FileName and Filter

namespace tessavia {

constexpr uint32_t MainWindowId = 0x52010001;

constexpr uint32_t kEditorId = 0x1601000B;        // 超级编辑框1, RichEdit
constexpr uint32_t kPathBoxId = 0x1601001C;       // 编辑框1, EditBox
constexpr uint32_t kStatusLabelId = 0x1601001B;   // 标签1, Label
constexpr uint32_t kClockLabelId = 0x1601005F;    // 标签3, Label
constexpr uint32_t kClockTimerId = 0x1601001D;    // 时钟1, Timer
constexpr uint32_t kOpenDialogId = 0x1601000F;    // 通用对话框1, CommonDlg (open)
constexpr uint32_t kSaveDialogId = 0x16010014;    // 通用对话框2, CommonDlg (save)
constexpr uint32_t kHomepageLinkId = 0x1601008A;  // 超级链接框1, HyperLinker

// Property numbers of the kinds' own properties that commands read and write.
constexpr int32_t kEditBoxContent = 8;
constexpr int32_t kRichEditContent = 9;
constexpr int32_t kLabelCaption = 8;
constexpr int32_t kTimerPeriod = 8;

}  // namespace tessavia
