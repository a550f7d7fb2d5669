// The menu bar and the window's shortcut table, built from the menu records and ShortcutTable.
#include <string>

#include "runtime/gbk_wide.h"
#include "runtime/main_window.h"

namespace tessavia {

namespace {

// The shortcut a menu record can carry: indexes 1 to 76 have a name; index 0 and 77 add nothing.
const Shortcut* ShortcutOf(const Table<Shortcut>& shortcuts, int32_t index) {
  if (index <= 0 || static_cast<size_t>(index) >= shortcuts.count) return nullptr;
  const Shortcut& s = shortcuts.items[index];
  return s.name[0] ? &s : nullptr;
}

}  // namespace

BuiltMenu BuildMenu(const std::vector<MenuRecord>& records, const Table<Shortcut>& shortcuts) {
  BuiltMenu built{OwnedMenu(CreateMenu()), nullptr};
  std::vector<ACCEL> keys;
  HMENU dropDown = nullptr;  // owned by the bar once appended
  for (size_t i = 0; i < records.size(); ++i) {
    const MenuRecord& item = records[i];
    UINT command = kFirstMenuCommand + static_cast<UINT>(i);
    if (item.level == 0) {
      // A drop-down title keeps its caption as it is; its shortcut index is ignored.
      dropDown = CreatePopupMenu();
      UINT flags = MF_POPUP | (item.disabled ? MF_GRAYED : 0);
      if (item.hidden) {
        DestroyMenu(dropDown);
        dropDown = nullptr;
        continue;
      }
      AppendMenuW(built.bar.get(), flags, reinterpret_cast<UINT_PTR>(dropDown), GbkToWide(item.caption).c_str());
      continue;
    }
    if (!dropDown || item.hidden) continue;
    if (item.caption == "-") {
      AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.caption;
    const Shortcut* shortcut = ShortcutOf(shortcuts, item.shortcut);
    if (shortcut) text += std::string("\t") + shortcut->name;
    UINT flags = MF_STRING | (item.disabled ? MF_GRAYED : 0) | (item.checked ? MF_CHECKED : 0);
    AppendMenuW(dropDown, flags, command, GbkToWide(text).c_str());
    if (shortcut && shortcut->virtualKey) {
      BYTE virt = FVIRTKEY | FNOINVERT;
      if (shortcut->modifiers & kCtrl) virt |= FCONTROL;
      if (shortcut->modifiers & kShift) virt |= FSHIFT;
      keys.push_back(ACCEL{virt, shortcut->virtualKey, static_cast<WORD>(command)});
    }
  }
  if (!keys.empty()) built.accelerators.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
  return built;
}

}  // namespace tessavia
