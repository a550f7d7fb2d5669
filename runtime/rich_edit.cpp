// RichEdit: the editor, a platform rich edit control whose whole content streams in and out.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <cwchar>

#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"
#include "runtime/runtime_state.h"

namespace tessavia {
namespace {

// Own property numbers (the property number minus 8).
enum : int32_t { kContentFormat = 0, kContent = 1, kMultiLine = 4, kWordWrap = 5, kMaxLength = 8 };
constexpr int32_t kNoLimit = 2147483647;
// Change, scroll, selection change and protected-text notices.
constexpr LPARAM kEventMask = ENM_CHANGE | ENM_SCROLL | ENM_SELCHANGE | ENM_PROTECTED;

// The first RichEdit of the process loads the library and keeps it; false when neither loads.
bool LoadRichEditLibrary() {
  auto& library = Runtime().richEditLibrary;
  if (!library) library.reset(LoadLibraryW(L"RICHED20.DLL"));
  if (!library) library.reset(LoadLibraryW(L"RICHED32.DLL"));
  return library != nullptr;
}

struct StreamSource {
  const char* data;
  size_t left;
};

DWORD CALLBACK ReadFromSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  size_t n = source->left < static_cast<size_t>(wanted) ? source->left : static_cast<size_t>(wanted);
  std::memcpy(buffer, source->data, n);
  source->data += n;
  source->left -= n;
  *given = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteToSink(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
  try {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(count));
  } catch (...) {
    return 1;  // stops the stream; nothing unwinds through the control
  }
  *taken = count;
  return 0;
}

class RichEdit final : public Component {
 public:
  RichEdit(MainWindow& owner, const ComponentEntry& entry, const RichEditSettings& s)
      : Component(owner, entry), settings_(s), content_(s.content) {}

  bool CanHoldFocus() const override { return true; }
  bool TakesKey(UINT key) const override { return key == VK_RETURN && settings_.multiLine && !settings_.readOnly; }

  PropertyType OwnType(int32_t own) const override {
    switch (own) {
      case kContentFormat: return PropertyType::Choice;
      case kContent: return PropertyType::Text;
      case kMultiLine:
      case kWordWrap: return PropertyType::Boolean;
      default: return PropertyType::Integer;
    }
  }

  PropertyValue GetOwn(int32_t own) override {
    switch (own) {
      case kContentFormat: return {settings_.contentFormat, {}};
      case kContent: return {0, StreamOut()};
      case kMultiLine: return {settings_.multiLine ? 1 : 0, {}};
      case kWordWrap: return {settings_.wordWrap ? 1 : 0, {}};
      case kMaxLength: return {settings_.maxLength, {}};
      default: return {};
    }
  }

  void SetOwn(int32_t own, const PropertyValue& v) override {
    switch (own) {
      case kContentFormat: settings_.contentFormat = v.number > 1 ? 1 : v.number; break;
      case kContent: WriteContent(v.text); break;
      case kMaxLength:
        settings_.maxLength = v.number;
        SendMessageW(Handle(), EM_EXLIMITTEXT, 0, Limit());
        break;
      case kMultiLine:
      case kWordWrap:
        // Styles the platform takes only at creation.
        content_ = StreamOut();
        (own == kMultiLine ? settings_.multiLine : settings_.wordWrap) = v.number != 0;
        Recreate();
        break;
      default: break;
    }
  }

 protected:
  HWND CreatePlatformWindow() override {
    if (!LoadRichEditLibrary()) return nullptr;
    DWORD style = 0;
    if (settings_.multiLine) style |= ES_MULTILINE | WS_VSCROLL | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!settings_.wordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    // The scroll bars stay in place (greyed while the text fits) instead of appearing when a long
    // text arrives: their appearance narrows the client area, and Wine's rich edit answers that by
    // laying out every line again, which under Wine's heap went from seconds to many minutes once
    // a large text had been read out and freed (4 MB F4).
    if (style & (WS_VSCROLL | WS_HSCROLL)) style |= ES_DISABLENOSCROLL;
    if (settings_.readOnly) style |= ES_READONLY;
    if (!settings_.hideSelection) style |= ES_NOHIDESEL;
    DWORD exStyle = settings_.clientEdge ? WS_EX_CLIENTEDGE : 0;
    // The wide class: its text reaches us as UTF-16 whatever the system's ANSI code page is.
    HWND hwnd = MakeChild(L"RichEdit20W", L"", style, exStyle);
    if (!hwnd) hwnd = MakeChild(L"RICHEDIT", L"", style, exStyle);
    if (hwnd) SetUp(hwnd);
    return hwnd;
  }

 private:
  LPARAM Limit() const { return settings_.maxLength > 0 ? settings_.maxLength : kNoLimit; }

  void SetUp(HWND hwnd) {
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                    CFM_STRIKEOUT | CFM_PROTECTED | CFM_OFFSET;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = settings_.fontTwips;
    format.bCharSet = DEFAULT_CHARSET;
    std::wstring face = GbkToWide(settings_.fontFace);
    std::wcsncpy(format.szFaceName, face.c_str(), LF_FACESIZE - 1);
    SendMessageW(hwnd, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    if (!settings_.wordWrap) SendMessageW(hwnd, EM_SETTARGETDEVICE, 0, 1);  // lines scroll sideways
    StreamIn(hwnd, content_);
    SendMessageW(hwnd, EM_EXLIMITTEXT, 0, Limit());
    CHARRANGE selection{settings_.selectionStart, settings_.selectionStart + settings_.selectionLength};
    SendMessageW(hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (settings_.backColor == kSystemColor) {
      SendMessageW(hwnd, EM_SETBKGNDCOLOR, 1, 0);  // the system's window colour
    } else {
      SendMessageW(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(settings_.backColor));
    }
    LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    ex = settings_.clientEdge ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageW(hwnd, EM_SETEVENTMASK, 0, kEventMask);
    SendMessageW(hwnd, EM_SETOPTIONS, ECOOP_OR, ECO_AUTOWORDSELECTION);
    SendMessageW(hwnd, EM_SETMODIFY, FALSE, 0);
  }

  // Plain text goes through UTF-16 with code page 936 on our side, so the same GBK bytes come back
  // on any system; the control's own ANSI path would use the system's code page.
  UINT StreamFormat() const { return settings_.contentFormat == 1 ? SF_RTF : SF_TEXT | SF_UNICODE; }

  void StreamIn(HWND hwnd, const std::string& text) {
    std::wstring wide;
    StreamSource source{text.data(), text.size()};
    if (settings_.contentFormat != 1) {
      wide = GbkToWide(text);
      source = {reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)};
    }
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, ReadFromSource};
    SendMessageW(hwnd, EM_STREAMIN, StreamFormat(), reinterpret_cast<LPARAM>(&stream));
  }

  std::string StreamOut() const {
    std::string bytes;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&bytes), 0, WriteToSink};
    SendMessageW(Handle(), EM_STREAMOUT, StreamFormat(), reinterpret_cast<LPARAM>(&stream));
    if (settings_.contentFormat == 1) return bytes;
    return WideToGbk(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t)));
  }

  // Replacing existing text costs quadratic time in some rich edit controls (Wine's among them),
  // while streaming into an empty control is linear; so a control that holds text is built anew
  // empty first, in the same place with the same settings, z-order and focus, and the old one is
  // gone before the text streams in (with both alive, streaming was several times slower and
  // erratic under Wine). The modified flag is the content write's to leave alone, so it is kept.
  void WriteContent(const std::string& text) {
    if (GetWindowTextLengthW(Handle()) != 0) {
      LRESULT modified = SendMessageW(Handle(), EM_GETMODIFY, 0, 0);
      content_.clear();
      Recreate();
      SendMessageW(Handle(), EM_SETMODIFY, modified ? TRUE : FALSE, 0);
    }
    content_ = text;
    StreamIn(Handle(), content_);
  }

  RichEditSettings settings_;  // a copy: the creation-time settings can change
  std::string content_;        // the last content written, streamed in at (re-)creation
};

}  // namespace

std::unique_ptr<Component> MakeRichEdit(MainWindow& owner, const ComponentEntry& entry, const RichEditSettings& s) {
  return std::make_unique<RichEdit>(owner, entry, s);
}

}  // namespace tessavia
