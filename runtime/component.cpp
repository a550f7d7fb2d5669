// What every control shares: creation as a child of the main window, the common properties and
// events, and building the platform window anew.
#include "runtime/component.h"

#include <windows.h>
#include <commctrl.h>

#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"
#include "runtime/main_window.h"
#include "runtime/runtime_state.h"

namespace tessavia {

namespace {
constexpr UINT_PTR kCommonEventsSubclassId = 1;
}

Component::Component(MainWindow& owner, const ComponentEntry& entry)
    : owner_(owner), entry_(entry), rect_(entry.rect), visible_(entry.visible), disabled_(entry.disabled) {}

Component::~Component() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool Component::Create() {
  hwnd_ = CreatePlatformWindow();
  return hwnd_ != nullptr;
}

void Component::ShowIfVisible() {
  if (visible_ && CanBeShown()) ShowWindow(hwnd_, SW_SHOWNA);
}

void Component::OnPlatformWindowGone(HWND hwnd) {
  if (hwnd == hwnd_) hwnd_ = nullptr;
}

HWND Component::MakeChild(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (entry_.tabStop) style |= WS_TABSTOP;
  if (disabled_) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, rect_.left, rect_.top, rect_.width,
                              rect_.height, owner_.Handle(), nullptr, GetModuleHandleW(nullptr),
                              className == OwnClassName() ? this : nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetWindowSubclass(hwnd, CommonEventsProc, kCommonEventsSubclassId, reinterpret_cast<DWORD_PTR>(this));
  return hwnd;
}

void Component::Recreate() {
  EventSuspension suspended;
  HWND old = hwnd_;
  bool hadFocus = old && GetFocus() == old;
  HWND fresh = CreatePlatformWindow();
  if (!fresh) return;  // the old control stays: nothing is lost
  SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  hwnd_ = fresh;
  if (visible_ && CanBeShown()) ShowWindow(fresh, SW_SHOWNA);
  if (old) DestroyWindow(old);
  if (hadFocus) SetFocus(fresh);
}

void CaptionedComponent::SetOwn(int32_t own, const PropertyValue& value) {
  if (own != 0) return;
  caption_ = value.text;
  SetWindowTextW(Handle(), GbkToWide(caption_).c_str());
  OnCaptionChanged();
}

void Component::Raise(int32_t event) { owner_.Raise(Id(), event); }

const wchar_t* Component::OwnClassName() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnClassProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"TessaviaComponent";
    RegisterClassExW(&wc);
    return wc.lpszClassName;
  }();
  return name;
}

// The create-parameter trampoline: the component rides in with WM_NCCREATE and is dropped at
// WM_NCDESTROY.
LRESULT CALLBACK Component::OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Component*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (self) {
    try {
      LRESULT result = 0;
      if (self->HandleOwnMessage(message, wParam, lParam, result)) return result;
    } catch (...) {
      ReportEscapedException();
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Component::CommonEventsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
  auto* self = reinterpret_cast<Component*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, CommonEventsProc, kCommonEventsSubclassId);
    self->OnPlatformWindowGone(hwnd);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  // Only the component's current window speaks for it (not one being replaced).
  if (hwnd == self->hwnd_) {
    try {
      self->RaiseCommonEvent(message, wParam);
    } catch (...) {
      ReportEscapedException();
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The handlers of this program return no value, so the control always sees the message afterwards.
void Component::RaiseCommonEvent(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_LBUTTONDOWN: Raise(kLeftDown); break;
    case WM_LBUTTONUP: Raise(kLeftUp); break;
    case WM_LBUTTONDBLCLK: Raise(kDoubleClicked); break;
    case WM_RBUTTONDOWN: Raise(kRightDown); break;
    case WM_RBUTTONUP: Raise(kRightUp); break;
    case WM_MOUSEMOVE: Raise(kPointerMoved); break;
    case WM_SETFOCUS: Raise(kGotFocus); break;
    case WM_KILLFOCUS: Raise(kLostFocus); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: Raise(kKeyDown); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: Raise(kKeyUp); break;
    case WM_CHAR: Raise(kCharTyped); break;
    case WM_MOUSEWHEEL: Raise(kWheel); break;
    default: break;
  }
  (void)wParam;
}

int64_t Component::ReadCommon(int32_t property) const {
  RECT r{rect_.left, rect_.top, rect_.left + rect_.width, rect_.top + rect_.height};
  bool visible = visible_, disabled = disabled_;
  if (hwnd_) {
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    visible = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
    disabled = !IsWindowEnabled(hwnd_);
  }
  switch (property) {
    case 0: return r.left;
    case 1: return r.top;
    case 2: return r.right - r.left;
    case 3: return r.bottom - r.top;
    case 5: return visible ? 1 : 0;
    case 6: return disabled ? 1 : 0;
    case 7: return mousePointer_;
    default: return 0;  // the tag is read as text by the caller
  }
}

void Component::WriteCommon(int32_t property, int64_t value, const char* text) {
  int32_t v = static_cast<int32_t>(value);
  switch (property) {
    case 0: rect_.left = v; break;
    case 1: rect_.top = v; break;
    case 2: rect_.width = v; break;
    case 3: rect_.height = v; break;
    case 4: tag_ = text ? text : ""; return;
    case 5: visible_ = v != 0; break;
    case 6: disabled_ = v != 0; break;
    case 7: mousePointer_ = v; return;
    default: return;
  }
  if (!hwnd_) return;
  if (property <= 3) {
    MoveWindow(hwnd_, rect_.left, rect_.top, rect_.width, rect_.height, TRUE);
  } else if (property == 5) {
    ShowWindow(hwnd_, visible_ && CanBeShown() ? SW_SHOWNA : SW_HIDE);
  } else {
    EnableWindow(hwnd_, !disabled_);
  }
}

}  // namespace tessavia
