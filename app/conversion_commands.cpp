// The conversion commands: the editor's whole text to Simplified (F4) or to Traditional (F5) characters.
#include "app/commands.h"
#include "app/component_ids.h"
#include "convert/conversion.h"
#include "runtime/components.h"

namespace tessavia {
namespace {

// Reads the editor's whole text, converts a copy by kind and writes it back in one piece.
void ConvertEditor(int32_t kind) {
  OwnedText content(ReadTextProperty(MainWindowId, kEditorId, kRichEditContent));
  OwnedText result(ConvertText(OrEmpty(content.get()), kind));
  content.reset();
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, result.get());
}

}  // namespace

void ToSimplified() { ConvertEditor(TradToSimp); }
void ToTraditional() { ConvertEditor(SimpToTrad); }

}  // namespace tessavia
