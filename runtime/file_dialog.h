// File dialogs and shell open: the platform's open and save dialogs run from a CommonDlg's
// properties, and a web address handed to the shell.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/common_dlg_properties.h"

namespace tessavia {

// The size of the file name that a dialog takes and gives back, in GBK bytes with the NUL.
constexpr size_t kFileNameBufferBytes = 260;

// One run of the platform's open or save dialog. Texts are GBK.
struct FileDialogRequest {
  bool save = false;             // in: the save dialog, else the open dialog
  DWORD flags = 0;               // in: OFN_ flags; the Explorer-style, resizable dialog is always used
  std::string filterList;        // in: BuildFilterList's NUL-separated pairs; empty for none
  DWORD filterIndex = 0;         // in: 1-based pair selected at first, 0 with no list
  std::string title;             // in: empty leaves the platform's title
  std::string initialFolder;     // in: empty leaves the platform's choice
  std::string defaultExtension;  // in: added to a typed name without one; empty adds nothing
  HWND owner = nullptr;          // in: disabled while the dialog is shown, which is centred over it
  std::string fileName;          // in/out: the name it starts with; after a confirmed dialog, the full path
};

// Shows the dialog modally and gives the keyboard focus back afterwards. True when the user
// confirmed a file whose full path fits the 260-byte name; fileName is then that path.
bool RunFileDialog(FileDialogRequest& request);

// Runs the dialog that a CommonDlg describes, owned by the active window. 1 when the user confirmed
// a file, which is then the component's FileName; 0 when cancelled or failed, FileName unchanged.
// A component that does not exist or is not loaded is fatal.
int32_t ShowFileDialog(uint32_t windowId, uint32_t componentId);

// Asks the shell to open an address with its "open" verb; the outcome is not reported.
void OpenWebAddress(const char* address);

}  // namespace tessavia
