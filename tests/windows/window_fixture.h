// Fixtures that load the real main window in-process, and helpers that drive it with key messages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/component_ids.h"
#include "app/window_description.h"
#include "runtime/components.h"
#include "runtime/lifecycle.h"
#include "runtime/window_access.h"

namespace tessavia::testing {

// Loads the window of a description for one test and closes it afterwards.
class WindowTest : public ::testing::Test {
 protected:
  void LoadDescription(const WindowDescription& description) {
    InitRuntime(description);
    LoadWindow(MainWindowId);
    ProcessPendingMessages();
    ASSERT_NE(Main(), nullptr);
  }
  void TearDown() override {
    if (HWND main = Main()) DestroyWindow(main);
    ProcessPendingMessages();
  }

  static HWND Main() { return WindowHandle(MainWindowId); }
  static HWND Control(uint32_t id) { return ComponentHandle(MainWindowId, id); }

  static std::string ReadText(uint32_t id, int32_t property) {
    OwnedText text(ReadTextProperty(MainWindowId, id, property));
    return text ? std::string(text.get()) : std::string();
  }
  static bool ReadIsNull(uint32_t id, int32_t property) {
    OwnedText text(ReadTextProperty(MainWindowId, id, property));
    return text == nullptr;
  }

  // Posts a key press to a window as the keyboard would, with Shift, Ctrl and Alt held as asked,
  // and lets the loop's step (shortcut table, navigation, dispatch) handle it.
  static void PressKey(HWND target, UINT key, bool shift = false, bool ctrl = false, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
    UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
    LPARAM altFlag = alt ? (1 << 29) : 0;
    PostMessageW(target, down, key, 1 | altFlag);
    PostMessageW(target, up, key, static_cast<LPARAM>(0xC0000001u) | altFlag);
    ProcessPendingMessages();
    state[VK_SHIFT] = state[VK_CONTROL] = state[VK_MENU] = 0;
    SetKeyboardState(state);
  }
  static void PressKeyIn(uint32_t id, UINT key, bool shift = false) {
    SetFocus(Control(id));
    PressKey(Control(id), key, shift);
  }
};

// The real window with the program's own commands bound.
class RealWindowTest : public WindowTest {
 protected:
  void SetUp() override { LoadDescription(MainWindowDescription); }
};

// The real window with every bound command replaced by a recorder, so that a test sees which
// binding an action ran. Extra bindings let it see events the program leaves unbound.
class RecordingWindowTest : public WindowTest {
 public:
  static constexpr int kMaxBindings = 32;
  struct Recorded {
    uint32_t componentId;
    int32_t event;
    Command original;  // what the program binds, or null for an extra binding
  };

  // Adds a binding for an event the program does not bind (before SetUp loads the window).
  static std::vector<EventBinding>& ExtraBindings();
  static std::vector<Recorded>& Log();
  static int CountOf(uint32_t componentId, int32_t event);

 protected:
  void SetUp() override;

 private:
  std::vector<EventBinding> events_;
  WindowDescription description_{};
};

}  // namespace tessavia::testing
