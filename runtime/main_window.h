// A loaded window of the description: its platform window, menu bar, shortcut table, components,
// tab cycle and event bindings.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/component.h"
#include "runtime/win_handles.h"
#include "runtime/window_description.h"

namespace tessavia {

// A menu item's record while its window lives: the description's entry, changeable by property writes.
struct MenuRecord {
  uint32_t id;
  std::string caption;
  int32_t level;
  int32_t shortcut;
  bool hidden, disabled, checked;
};

// Menu commands are numbered from here, one for every menu record in description order.
constexpr UINT kFirstMenuCommand = 20000;

class MainWindow {
 public:
  explicit MainWindow(const WindowDescription& description);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  uint32_t Id() const { return description_.window.id; }
  HWND Handle() const { return hwnd_; }

  // Menu bar and shortcuts, the window, then its components; false when anything cannot be made.
  bool Build();
  // Starts event delivery, raises Created, then shows the window.
  void RaiseCreatedAndShow();

  Component* FindComponent(uint32_t id) const;
  MenuRecord* FindMenuItem(uint32_t id);
  // Builds the menu bar and shortcut table again from the menu records (after a record changed).
  void RebuildMenu();

  // Runs the command bound to (component, event), unless delivery is suspended.
  void Raise(uint32_t componentId, int32_t event);
  // The shortcut table, then Tab, Shift+Tab, Esc and Enter; true when the message was used up.
  bool PreTranslate(MSG& msg);
  // The tab stops in cycle order.
  const std::vector<Component*>& TabCycle() const { return tabCycle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WORD id, WORD code, HWND control);
  HBRUSH OnControlColor(HDC dc, HWND control);
  void OnNcDestroy();

  bool CreatePlatformWindow();
  bool CreateComponents();
  void ComputeTabCycle();
  void MoveFocus(int step);
  Component* ComponentOf(HWND hwnd) const;

  const WindowDescription& description_;
  HWND hwnd_ = nullptr;  // the platform window; destroyed by the user's close, which ends this object
  std::vector<MenuRecord> menu_;  // the menu records, changeable at run time
  HMENU menuBar_ = nullptr;      // owned by the platform window once set; replaced ones are destroyed
  OwnedAccelerators accelerators_;
  OwnedIcon largeIcon_, smallIcon_;
  std::vector<std::unique_ptr<Component>> components_;  // in description order
  std::vector<Component*> tabCycle_;
};

// The menu bar and shortcut table built from menu records and the shortcut table.
struct BuiltMenu {
  OwnedMenu bar;
  OwnedAccelerators accelerators;
};
BuiltMenu BuildMenu(const std::vector<MenuRecord>& records, const Table<Shortcut>& shortcuts);

// Makes the component of the entry's kind.
std::unique_ptr<Component> MakeComponent(MainWindow& owner, const ComponentEntry& entry);

}  // namespace tessavia
