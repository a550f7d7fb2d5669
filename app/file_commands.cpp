// File commands: open, open the path box's file, open the default file, save, save as, clear the path.
#include "app/commands.h"

namespace tessavia {

void Open() {}
void OpenPath() {}
void OpenDefault() {}
void Save() {}
void SaveAs() {}
void ClearPath() {}

}  // namespace tessavia
