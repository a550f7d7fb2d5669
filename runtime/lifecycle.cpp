// Start-up, the message loop and the final clean-up of the process.
#include "runtime/lifecycle.h"

#include <objbase.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "runtime/fatal_error.h"
#include "runtime/main_window.h"
#include "runtime/runtime_state.h"
#include "runtime/window_access.h"

namespace tessavia {

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

MainWindow* FindOpenWindow(uint32_t windowId) {
  for (auto& window : Runtime().openWindows)
    if (window->Id() == windowId) return window.get();
  return nullptr;
}

void ForgetWindow(MainWindow* window) {
  auto& open = Runtime().openWindows;
  open.erase(std::remove_if(open.begin(), open.end(), [&](const auto& w) { return w.get() == window; }),
             open.end());
  if (open.empty() && Runtime().loopRunning) PostQuitMessage(0);
}

void ReportEscapedException() noexcept {
  ReportFatalError(0, "内部错误");
}

namespace {

// A valid identifier has some of bits 0 to 23 and some of bits 24 to 27 set.
bool IsValidId(uint32_t id) { return (id & 0x00FFFFFFu) != 0 && (id & 0x0F000000u) != 0; }

// The description holds together when every id is valid and unique and every binding names an entry.
bool DescriptionIsSound(const WindowDescription& d) {
  std::vector<uint32_t> ids{d.window.id};
  for (const auto& c : d.components) ids.push_back(c.id);
  for (const auto& m : d.menu) ids.push_back(m.id);
  for (uint32_t id : ids)
    if (!IsValidId(id)) return false;
  std::vector<uint32_t> sorted = ids;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return false;
  for (const auto& e : d.events)
    if (std::find(ids.begin(), ids.end(), e.componentId) == ids.end()) return false;
  return d.shortcuts.count > 0;
}

void OnFatalStart() { ++Runtime().eventSuspensions; }
void OnFatalEnd() {
  Runtime().shutdownHook = nullptr;
  FinalCleanup();
}

}  // namespace

void InitRuntime(const WindowDescription& description) {
  RuntimeState& rt = Runtime();
  GetProcessHeap();  // Allocate takes every block from it
  SetFatalErrorHandlers(OnFatalStart, OnFatalEnd);
  if (!rt.comInitialised) rt.comInitialised = SUCCEEDED(OleInitialize(nullptr));

  // The program's folder becomes the current directory, wherever the program was started from.
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring full(path, n);
  size_t slash = full.find_last_of(L'\\');
  rt.programFolder = slash == std::wstring::npos ? std::wstring() : full.substr(0, slash);
  rt.programFileName = slash == std::wstring::npos ? full : full.substr(slash + 1);
  if (!rt.programFolder.empty()) SetCurrentDirectoryW(rt.programFolder.c_str());  // failure ignored

  if (!DescriptionIsSound(description)) ReportFatalError(0, "载入窗口模板数据段出错!");
  rt.description = &description;
  static const bool cleanupRegistered = std::atexit([] { FinalCleanup(); }) == 0;
  (void)cleanupRegistered;
}

void SetShutdownHook(void (*hook)()) { Runtime().shutdownHook = hook; }

void LoadWindow(uint32_t windowId) {
  RuntimeState& rt = Runtime();
  if (!rt.description || rt.description->window.id != windowId) ReportFatalError(0, "载入启动窗口失败");
  if (MainWindow* open = FindOpenWindow(windowId)) {
    HWND hwnd = open->Handle();
    if (IsIconic(hwnd)) {
      ShowWindow(hwnd, SW_RESTORE);
    } else {
      SetForegroundWindow(hwnd);
    }
    return;
  }
  auto window = std::make_unique<MainWindow>(*rt.description);
  MainWindow* built = window.get();
  rt.openWindows.push_back(std::move(window));
  if (!built->Build()) ReportFatalError(0, "载入启动窗口失败");
  built->RaiseCreatedAndShow();
}

void DispatchWindowMessage(MSG& msg) {
  for (auto& window : Runtime().openWindows)
    if (window->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the loop that owns it
      return;
    }
    DispatchWindowMessage(msg);
  }
}

void RunMessageLoop() {
  RuntimeState& rt = Runtime();
  rt.loopRunning = true;
  if (rt.openWindows.empty()) return;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchWindowMessage(msg);
}

void FinalCleanup() {
  RuntimeState& rt = Runtime();
  if (auto hook = rt.shutdownHook) {
    rt.shutdownHook = nullptr;
    hook();
  }
  // Windows still open (only after a fatal error) go with their components and handles.
  while (!rt.openWindows.empty()) {
    HWND hwnd = rt.openWindows.back()->Handle();
    if (hwnd && IsWindow(hwnd)) {
      DestroyWindow(hwnd);
    } else {
      rt.openWindows.pop_back();
    }
  }
  // OLE first: it flushes the clipboard, which may still hold a data object of the rich edit
  // library (text the user copied); freeing the library before that would leave it dangling.
  if (rt.comInitialised) {
    OleUninitialize();
    rt.comInitialised = false;
  }
  rt.richEditLibrary.reset();
}

HWND WindowHandle(uint32_t windowId) {
  MainWindow* window = FindOpenWindow(windowId);
  return window ? window->Handle() : nullptr;
}

HWND ComponentHandle(uint32_t windowId, uint32_t componentId) {
  MainWindow* window = FindOpenWindow(windowId);
  Component* component = window ? window->FindComponent(componentId) : nullptr;
  return component ? component->Handle() : nullptr;
}

}  // namespace tessavia
