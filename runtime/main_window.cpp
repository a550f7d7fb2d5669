// The main window: built from its description, its window procedure dispatching to small handlers.
#include "runtime/main_window.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/gbk_wide.h"
#include "runtime/runtime_state.h"

namespace tessavia {

namespace {

constexpr wchar_t kWindowClassName[] = L"TessaviaMainWindow";
constexpr int kIconResource = 1;

bool RegisterWindowClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                       size, size, 0));
}

}  // namespace

MainWindow::MainWindow(const WindowDescription& description) : description_(description) {
  for (const MenuEntry& m : description.menu)
    menu_.push_back({m.id, m.caption, m.level, m.shortcut, m.hidden, m.disabled, m.checked});
}

MainWindow::~MainWindow() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool MainWindow::Build() {
  EventSuspension notYet;  // events raised while building are not delivered
  BuiltMenu menu = BuildMenu(menu_, description_.shortcuts);
  accelerators_ = std::move(menu.accelerators);
  if (!CreatePlatformWindow()) return false;  // the menu and shortcut table go with their owners
  menuBar_ = menu.bar.release();
  SetMenu(hwnd_, menuBar_);
  if (!CreateComponents()) {
    DestroyWindow(hwnd_);
    return false;
  }
  ComputeTabCycle();
  return true;
}

bool MainWindow::CreatePlatformWindow() {
  if (!RegisterWindowClass(WindowProc)) return false;
  const WindowSettings& w = description_.window;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (!w.fixedFrame) style |= WS_THICKFRAME;
  if (w.minimizeBox) style |= WS_MINIMIZEBOX;
  if (w.maximizeBox) style |= WS_MAXIMIZEBOX;
  DWORD exStyle = (w.taskbarButton ? WS_EX_APPWINDOW : 0) | (w.topMost ? WS_EX_TOPMOST : 0);
  int left = w.rect.left, top = w.rect.top;
  if (w.centred) {
    left = (GetSystemMetrics(SM_CXSCREEN) - w.rect.width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - w.rect.height) / 2;
  }
  hwnd_ = CreateWindowExW(exStyle, kWindowClassName, GbkToWide(w.caption).c_str(), style, left, top,
                          w.rect.width, w.rect.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  largeIcon_.reset(LoadProgramIcon(48));
  smallIcon_.reset(LoadProgramIcon(GetSystemMetrics(SM_CXSMICON)));
  if (largeIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  if (smallIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

bool MainWindow::CreateComponents() {
  for (const ComponentEntry& entry : description_.components) components_.push_back(MakeComponent(*this, entry));
  // Created from the end of the list to its start, then stacked in list order, the first on top.
  for (auto it = components_.rbegin(); it != components_.rend(); ++it)
    if (!(*it)->Create()) return false;
  HWND above = HWND_TOP;
  for (auto& c : components_) {
    SetWindowPos(c->Handle(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = c->Handle();
  }
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) (*it)->ShowIfVisible();
  return true;
}

// Tab stops ordered by tab order number; equal numbers in the reverse of the description's order,
// which is the creation order.
void MainWindow::ComputeTabCycle() {
  tabCycle_.clear();
  for (auto it = components_.rbegin(); it != components_.rend(); ++it)
    if ((*it)->Entry().tabStop && (*it)->CanHoldFocus()) tabCycle_.push_back(it->get());
  std::stable_sort(tabCycle_.begin(), tabCycle_.end(),
                   [](Component* a, Component* b) { return a->Entry().tabOrder < b->Entry().tabOrder; });
}

void MainWindow::RaiseCreatedAndShow() {
  Raise(Id(), kFirstEvent);
  if (description_.window.visible && hwnd_) {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    if (!tabCycle_.empty() && IsWindowVisible(hwnd_)) SetFocus(tabCycle_.front()->Handle());
  }
}

Component* MainWindow::FindComponent(uint32_t id) const {
  for (const auto& c : components_)
    if (c->Id() == id) return c.get();
  return nullptr;
}

MenuRecord* MainWindow::FindMenuItem(uint32_t id) {
  for (auto& m : menu_)
    if (m.id == id) return &m;
  return nullptr;
}

void MainWindow::RebuildMenu() {
  BuiltMenu menu = BuildMenu(menu_, description_.shortcuts);
  accelerators_ = std::move(menu.accelerators);
  HMENU old = menuBar_;
  menuBar_ = menu.bar.release();
  SetMenu(hwnd_, menuBar_);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd_);
}

void MainWindow::Raise(uint32_t componentId, int32_t event) {
  if (!EventsDelivered()) return;
  for (const EventBinding& binding : description_.events) {
    if (binding.componentId == componentId && binding.event == event) {
      if (binding.command) binding.command();
      return;
    }
  }
}

Component* MainWindow::ComponentOf(HWND hwnd) const {
  for (; hwnd && hwnd != hwnd_; hwnd = GetParent(hwnd))
    for (const auto& c : components_)
      if (c->Handle() == hwnd) return c.get();
  return nullptr;
}

void MainWindow::MoveFocus(int step) {
  std::vector<Component*> stops;
  for (Component* c : tabCycle_)
    if (c->Handle() && IsWindowVisible(c->Handle()) && IsWindowEnabled(c->Handle())) stops.push_back(c);
  if (stops.empty()) return;
  auto at = std::find(stops.begin(), stops.end(), ComponentOf(GetFocus()));
  size_t n = stops.size(), next;
  if (at == stops.end()) {
    next = step > 0 ? 0 : n - 1;
  } else {
    size_t here = static_cast<size_t>(at - stops.begin());
    next = step > 0 ? (here + 1) % n : (here + n - 1) % n;
  }
  SetFocus(stops[next]->Handle());
}

bool MainWindow::PreTranslate(MSG& msg) {
  if (!hwnd_ || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_.get(), &msg)) return true;
  if (msg.message != WM_KEYDOWN) return false;
  UINT key = static_cast<UINT>(msg.wParam);
  if (key != VK_TAB && key != VK_ESCAPE && key != VK_RETURN) return false;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || (shift && key != VK_TAB)) return false;
  Component* focused = ComponentOf(GetFocus());
  if (focused && focused->TakesKey(key)) return false;
  switch (key) {
    case VK_TAB:
      MoveFocus(shift ? -1 : 1);
      return true;
    case VK_ESCAPE:
      if (!description_.window.escCloses) return false;
      PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);  // exactly as the close box
      return true;
    default:
      // Enter: no default button and no focus move; the focused control sees it as a plain key.
      return false;
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportEscapedException();
    return 0;
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_NCDESTROY:
      OnNcDestroy();
      return 0;  // this object is gone now
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Menu items and shortcuts come with a command number of 20000 and up, controls with their handle.
void MainWindow::OnCommand(WORD id, WORD code, HWND control) {
  if (!control) {
    size_t index = static_cast<size_t>(id) - kFirstMenuCommand;
    if (id >= kFirstMenuCommand && index < menu_.size()) Raise(menu_[index].id, kFirstEvent);
    return;
  }
  if (Component* c = ComponentOf(control)) c->OnCommand(code);
}

HBRUSH MainWindow::OnControlColor(HDC dc, HWND control) {
  Component* c = ComponentOf(control);
  return c ? c->OnControlColor(dc) : nullptr;
}

// The window's last message: its shortcut table, icons and components go, it leaves the list of
// open windows, and the loop ends when it was the last one.
void MainWindow::OnNcDestroy() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  menuBar_ = nullptr;  // destroyed with the window
  ForgetWindow(this);
}

}  // namespace tessavia
