// A control of a loaded window: its platform window, its stored record and its numbered properties.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/window_description.h"

namespace tessavia {

class MainWindow;

enum class PropertyType { Integer, Boolean, Choice, Color, Text };

// A property value after conversion by its declared type.
struct PropertyValue {
  int32_t number = 0;  // integer, choice, colour, or boolean 1/0
  std::string text;    // GBK, for text properties
};

class Component {
 public:
  Component(MainWindow& owner, const ComponentEntry& entry);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  uint32_t Id() const { return entry_.id; }
  const ComponentEntry& Entry() const { return entry_; }
  HWND Handle() const { return hwnd_; }

  // Makes the platform window, hidden; false when the platform refuses.
  bool Create();
  // Shows the window when it is marked visible and its kind can be shown.
  void ShowIfVisible();
  virtual bool CanBeShown() const { return true; }
  virtual bool CanHoldFocus() const { return false; }
  // Whether the control takes this navigation key itself (Tab, Esc, Enter) instead of the window.
  virtual bool TakesKey(UINT) const { return false; }

  // Own properties, numbered from 0 (the property number minus 8).
  virtual PropertyType OwnType(int32_t own) const = 0;
  virtual PropertyValue GetOwn(int32_t own) = 0;
  virtual void SetOwn(int32_t own, const PropertyValue& value) = 0;

  // The common properties 0 to 7.
  int64_t ReadCommon(int32_t property) const;
  const std::string& Tag() const { return tag_; }
  void WriteCommon(int32_t property, int64_t value, const char* text);

  // Notifications the window passes on: WM_COMMAND codes, control colours, destruction.
  virtual void OnCommand(WORD) {}
  virtual HBRUSH OnControlColor(HDC) { return nullptr; }
  void OnPlatformWindowGone(HWND hwnd);

 protected:
  // Creates the platform window from the current settings and property values, without WS_VISIBLE.
  virtual HWND CreatePlatformWindow() = 0;
  // Builds the platform window anew in the same place, size, visibility, z-order and focus, for
  // settings the platform takes only at creation. Events are not delivered meanwhile.
  void Recreate();
  // A child of the main window at the stored rectangle, with the default GUI font. The created
  // window's messages pass through this component for the common events.
  HWND MakeChild(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle);
  // The platform window class shared by the kinds the program draws itself; their messages come to
  // HandleOwnMessage.
  static const wchar_t* OwnClassName();
  virtual bool HandleOwnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  void Raise(int32_t event);
  MainWindow& owner_;

 private:
  static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK CommonEventsProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void RaiseCommonEvent(UINT message, WPARAM wParam);

  const ComponentEntry& entry_;
  HWND hwnd_ = nullptr;  // destroyed by the platform with the main window, or by Recreate
  Rect rect_;
  bool visible_;
  bool disabled_;
  std::string tag_;
  int32_t mousePointer_ = 0;
};

}  // namespace tessavia
