// ReadProperty and WriteProperty: finding the component, converting values by their declared type,
// and the fatal reports for addresses that name nothing.
#include "runtime/components.h"

#include "runtime/fatal_error.h"
#include "runtime/main_window.h"
#include "runtime/runtime_state.h"

namespace tessavia {

namespace {

constexpr int32_t kFirstOwnProperty = 8;
constexpr char kWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";
constexpr char kPlatformWindowMissing[] = "指定窗口尚未载入";

// A menu item's id holds 2 in bits 28 to 31 and 6 in bits 24 to 27.
bool IsMenuItemId(uint32_t id) { return (id >> 24) == 0x26; }

MainWindow& LoadedWindow(uint32_t windowId) {
  MainWindow* window = FindOpenWindow(windowId);
  if (!window) ReportFatalError(0, kWindowNotLoaded);
  return *window;
}

// An id that names nothing in a loaded window is reported like a window that is not loaded.
Component& ControlOf(MainWindow& window, uint32_t componentId) {
  Component* c = window.FindComponent(componentId);
  if (!c) ReportFatalError(0, kWindowNotLoaded);
  return *c;
}

MenuRecord& MenuItemOf(MainWindow& window, uint32_t componentId) {
  MenuRecord* m = window.FindMenuItem(componentId);
  if (!m) ReportFatalError(0, kWindowNotLoaded);
  return *m;
}

Text NewTextOrNull(const std::string& text) {
  return text.empty() ? nullptr : MakeText(text.data(), static_cast<int32_t>(text.size()));
}

int64_t ReadMenuItem(const MenuRecord& item, int32_t property) {
  switch (property) {
    case 0: return reinterpret_cast<intptr_t>(NewTextOrNull(item.caption));
    case 1: return item.checked ? 1 : 0;
    case 2: return item.disabled ? 1 : 0;
    case 3: return item.hidden ? 0 : 1;
    default: return 0;
  }
}

void WriteMenuItem(MainWindow& window, MenuRecord& item, int32_t property, intptr_t value) {
  switch (property) {
    case 0: item.caption = OrEmpty(reinterpret_cast<const char*>(value)); break;
    case 1: item.checked = value != 0; break;
    case 2: item.disabled = value != 0; break;
    case 3: item.hidden = value == 0; break;
    default: return;
  }
  window.RebuildMenu();
}

}  // namespace

int64_t ReadProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t /*index*/) {
  MainWindow& window = LoadedWindow(windowId);
  if (IsMenuItemId(componentId)) return ReadMenuItem(MenuItemOf(window, componentId), property);
  Component& c = ControlOf(window, componentId);
  if (property < kFirstOwnProperty) {
    if (property == 4) return reinterpret_cast<intptr_t>(NewTextOrNull(c.Tag()));
    return c.ReadCommon(property);
  }
  if (!c.Handle()) ReportFatalError(0, kPlatformWindowMissing);
  int32_t own = property - kFirstOwnProperty;
  PropertyValue v = c.GetOwn(own);
  switch (c.OwnType(own)) {
    case PropertyType::Text: return reinterpret_cast<intptr_t>(NewTextOrNull(v.text));
    case PropertyType::Boolean: return v.number == 1 ? 1 : 0;
    default: return v.number;
  }
}

void WriteProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t /*index*/, intptr_t value,
                   int32_t /*high*/) {
  MainWindow& window = LoadedWindow(windowId);
  if (IsMenuItemId(componentId)) return WriteMenuItem(window, MenuItemOf(window, componentId), property, value);
  Component& c = ControlOf(window, componentId);
  if (property < kFirstOwnProperty) {
    return c.WriteCommon(property, value, property == 4 ? reinterpret_cast<const char*>(value) : nullptr);
  }
  if (!c.Handle()) ReportFatalError(0, kPlatformWindowMissing);
  int32_t own = property - kFirstOwnProperty;
  PropertyValue v;
  switch (c.OwnType(own)) {
    case PropertyType::Text: v.text = OrEmpty(reinterpret_cast<const char*>(value)); break;
    case PropertyType::Boolean: v.number = value != 0 ? 1 : 0; break;
    case PropertyType::Choice: v.number = value < 0 ? 0 : static_cast<int32_t>(value); break;
    default: v.number = static_cast<int32_t>(value); break;
  }
  c.SetOwn(own, v);
}

bool IsComponentLoaded(uint32_t windowId, uint32_t componentId) {
  MainWindow* window = FindOpenWindow(windowId);
  Component* c = window ? window->FindComponent(componentId) : nullptr;
  return c && c->Handle();
}

}  // namespace tessavia
