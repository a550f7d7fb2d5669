// Window components addressed by (window id, component id, property number): what commands use.
#pragma once

#include <cstdint>

#include "runtime/text_values.h"

namespace tessavia {

// Reads a property by its declared type: integers, choices and colours in the low 32 bits, a boolean
// as exactly 1 or 0, a text as a new Text the caller releases (null when empty).
int64_t ReadProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t index = -1);

// Writes a property: value is the integer, the boolean (non-zero is true) or a pointer to a Text,
// which the component copies. high is used only by 64-bit property types.
void WriteProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t index, intptr_t value,
                   int32_t high = 0);

// True when the window is loaded and the component exists in it with its platform window.
bool IsComponentLoaded(uint32_t windowId, uint32_t componentId);

// Typed forms for commands.
inline Text ReadTextProperty(uint32_t windowId, uint32_t componentId, int32_t property) {
  return reinterpret_cast<Text>(static_cast<intptr_t>(ReadProperty(windowId, componentId, property, -1)));
}
inline void WriteTextProperty(uint32_t windowId, uint32_t componentId, int32_t property, const char* text) {
  WriteProperty(windowId, componentId, property, -1, reinterpret_cast<intptr_t>(text), 0);
}
inline void WriteIntProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t value) {
  WriteProperty(windowId, componentId, property, -1, value, 0);
}

}  // namespace tessavia
