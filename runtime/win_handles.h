// Small owners of the Win32 handles that must be given back: GDI objects, cursors, accelerators, menus, modules.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tessavia {

struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct CursorCloser {
  void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
struct AcceleratorCloser {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct ModuleCloser {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

template <typename Handle, typename Closer>
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Closer>;

using OwnedFont = OwnedHandle<HFONT, GdiObjectCloser>;
using OwnedBrush = OwnedHandle<HBRUSH, GdiObjectCloser>;
using OwnedCursor = OwnedHandle<HCURSOR, CursorCloser>;
using OwnedAccelerators = OwnedHandle<HACCEL, AcceleratorCloser>;
using OwnedMenu = OwnedHandle<HMENU, MenuCloser>;
using OwnedModule = OwnedHandle<HMODULE, ModuleCloser>;
using OwnedIcon = OwnedHandle<HICON, IconCloser>;

// The colour a stored value stands for: kSystemColor picks the kind's system colour.
inline COLORREF ResolveColor(uint32_t stored, int systemColor) {
  return stored == 0xFF000000u ? GetSysColor(systemColor) : static_cast<COLORREF>(stored);
}

}  // namespace tessavia
