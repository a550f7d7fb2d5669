// The shape of a window description: the window, its components, menu items, shortcuts and event bindings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>

namespace tessavia {

// A command: a routine without arguments or result that an event runs.
using Command = void (*)();

// Stands for a system colour that the kind chooses (button face, window background).
constexpr uint32_t kSystemColor = 0xFF000000;

struct Rect {
  int32_t left, top, width, height;
};

enum class TextAlign : int32_t { Left = 0, Center = 1, Right = 2 };

// Each kind's stored settings; the member defaults are the kind's defaults, so an entry with no stored
// settings is the settings type's value-initialised form.
struct ButtonSettings {
  const char* caption = "";
};

struct LabelSettings {
  const char* caption = "";
  bool wrap = false;  // false: one line, vertically centred; true: wrapped at word boundaries
  TextAlign align = TextAlign::Left;
  uint32_t textColor = 0x00000000;
  uint32_t backColor = kSystemColor;
};

struct EditBoxSettings {
  const char* content = "";
  bool multiLine = false;
  bool readOnly = false;
  bool password = false;
  int32_t maxLength = 0;  // 0 leaves the platform's default limit
  uint32_t textColor = 0x00000000;
  uint32_t backColor = 0x00FFFFFF;
  bool hideSelection = true;
  bool clientEdge = true;
};

struct RichEditSettings {
  int32_t contentFormat = 0;  // 0 plain text, 1 rich text
  const char* content = "";
  bool multiLine = true;
  bool wordWrap = false;
  bool readOnly = false;
  bool hideSelection = true;
  int32_t maxLength = 0;  // 0: no practical limit
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  uint32_t backColor = kSystemColor;
  bool clientEdge = true;
  const char* fontFace = "宋体";
  int32_t fontTwips = 180;
};

struct HyperLinkerSettings {
  const char* caption = "";
  int32_t linkKind = 1;  // 0 e-mail, 1 web page
  const char* mailAddress = "";
  const char* webAddress = "";
  uint32_t normalColor = 0x00FF0000;
  uint32_t visitedColor = 0x00000080;
  uint32_t hoverColor = 0x00C56A31;
  uint32_t backColor = kSystemColor;
  int32_t border = 0;
  const char* fontFace = "黑体";
  int32_t fontHeight = 20;  // character height in pixels
  int32_t fontWeight = 400;
};

struct CommonDlgSettings {
  int32_t dialogType = 0;  // 0 open, 1 save, 2 font, 3 help
  int32_t initialFilter = 0;
  bool promptCreate = false;
  bool fileMustExist = true;
  bool promptOverwrite = true;
  bool pathMustExist = true;
  bool keepCurrentFolder = false;
};

struct TimerSettings {
  int32_t period = 0;  // milliseconds; 0 stopped
};

// The component's kind is the alternative its settings hold.
using ComponentSettings = std::variant<ButtonSettings, LabelSettings, EditBoxSettings, RichEditSettings,
                                       HyperLinkerSettings, CommonDlgSettings, TimerSettings>;

struct ComponentEntry {
  uint32_t id;
  const char* name;
  Rect rect;  // in the window's client area
  bool visible;
  bool disabled;
  bool tabStop;
  int32_t tabOrder;
  ComponentSettings settings;
};

struct MenuEntry {
  uint32_t id;
  const char* caption;
  int32_t level;     // 0 on the menu bar, 1 in the drop-down of the nearest level-0 item before it
  int32_t shortcut;  // index into the shortcut table
  bool hidden = false;
  bool disabled = false;
  bool checked = false;
};

// Modifier bits of a shortcut key.
enum ShortcutModifier : uint8_t { kNoModifier = 0, kCtrl = 1, kShift = 2 };

struct Shortcut {
  char name[20];     // display name; empty for "no name shown"
  uint8_t modifiers; // kCtrl | kShift
  uint8_t virtualKey; // 0: no key
};

struct EventBinding {
  uint32_t componentId;  // the window's own id for its events
  int32_t event;
  Command command;
};

struct WindowSettings {
  uint32_t id;
  const char* caption;
  Rect rect;  // outer rectangle; left and top unused when centred
  bool centred;
  bool fixedFrame;
  bool minimizeBox;
  bool maximizeBox;
  bool escCloses;
  bool taskbarButton;
  bool topMost;
  uint32_t backColor;
  bool visible;
};

template <typename T>
struct Table {
  const T* items;
  size_t count;
  const T* begin() const { return items; }
  const T* end() const { return items + count; }
};

// One window of the description: its entries in the description's list order.
struct WindowDescription {
  WindowSettings window;
  Table<ComponentEntry> components;
  Table<MenuEntry> menu;
  Table<Shortcut> shortcuts;
  Table<EventBinding> events;
};

// The common event numbers every control can raise.
enum CommonEvent : int32_t {
  kLeftDown = -1,
  kLeftUp = -2,
  kDoubleClicked = -3,
  kRightDown = -4,
  kRightUp = -5,
  kPointerMoved = -6,
  kGotFocus = -7,
  kLostFocus = -8,
  kKeyDown = -9,
  kKeyUp = -10,
  kCharTyped = -11,
  kWheel = -12,
};

// The first event of each kind: Created, Clicked, Tick, Selected, ContentChanged.
constexpr int32_t kFirstEvent = 0;

}  // namespace tessavia
