// ShortcutTable: the 78 shortcut choices a menu item can carry, by index, with their names and keys.
#pragma once

#include <array>

#include "runtime/window_description.h"

namespace tessavia {

constexpr int kShortcutCount = 78;

namespace shortcut_detail {

constexpr Shortcut Make(const char* name, uint8_t modifiers, uint8_t virtualKey) {
  Shortcut s{};
  for (int i = 0; name[i] && i < static_cast<int>(sizeof s.name) - 1; ++i) s.name[i] = name[i];
  s.modifiers = modifiers;
  s.virtualKey = virtualKey;
  return s;
}

// "Ctrl+Shift+F12" and the like: prefix then the key's own name.
constexpr Shortcut Named(const char* prefix, const char* key, uint8_t modifiers, uint8_t virtualKey) {
  char name[20] = {};
  int n = 0;
  for (int i = 0; prefix[i]; ++i) name[n++] = prefix[i];
  for (int i = 0; key[i]; ++i) name[n++] = key[i];
  return Make(name, modifiers, virtualKey);
}

constexpr uint8_t kVkF1 = 0x70, kVkInsert = 0x2D, kVkDelete = 0x2E;
constexpr const char* kFunctionKeyNames[12] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                               "F7", "F8", "F9", "F10", "F11", "F12"};

constexpr std::array<Shortcut, kShortcutCount> Build() {
  std::array<Shortcut, kShortcutCount> table{};
  // Index 0 has a name in the table but stands for "no shortcut": neither name nor key is used.
  table[0] = Make("（无）", kNoModifier, 0);
  for (int i = 0; i < 26; ++i) {
    const char letter[2] = {static_cast<char>('A' + i), 0};
    table[1 + i] = Named("Ctrl+", letter, kCtrl, static_cast<uint8_t>('A' + i));
  }
  struct Group {
    int first;
    const char* prefix;
    uint8_t modifiers;
  };
  constexpr Group groups[] = {{27, "", kNoModifier}, {39, "Ctrl+", kCtrl}, {51, "Shift+", kShift},
                              {63, "Ctrl+Shift+", kCtrl | kShift}};
  for (const Group& g : groups)
    for (int f = 0; f < 12; ++f)
      table[g.first + f] = Named(g.prefix, kFunctionKeyNames[f], g.modifiers, static_cast<uint8_t>(kVkF1 + f));
  table[75] = Make("Ins", kNoModifier, kVkInsert);
  table[76] = Make("Del", kNoModifier, kVkDelete);
  table[77] = Make("", kNoModifier, 0);  // the last choice: nothing shown, no shortcut added
  return table;
}

}  // namespace shortcut_detail

inline constexpr std::array<Shortcut, kShortcutCount> ShortcutTable = shortcut_detail::Build();

}  // namespace tessavia
