// HyperLinker: the homepage link, drawn by the program, following the pointer and opening its address
// through the shell (or the browser registered for HTML files) when pressed.
#include <windows.h>
#include <shellapi.h>

#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"
#include "runtime/win_handles.h"

namespace tessavia {
namespace {

// Own property numbers (the property number minus 8).
enum : int32_t {
  kCaption = 0,
  kLinkKind,
  kMailAddress,
  kWebAddress,
  kNormalColor,
  kVisitedColor,
  kHoverColor,
  kBackColor,
  kBorder,
  kOwnCount
};

// The default value of a key under HKEY_CLASSES_ROOT; empty when it cannot be read.
std::wstring ClassesRootValue(const std::wstring& key) {
  wchar_t value[MAX_PATH + 1] = {};
  LONG size = sizeof value - sizeof(wchar_t);
  if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS) return {};
  return value;
}

// Starts the browser registered for HTML files with the target in place of its "%1".
bool OpenWithHtmlBrowser(const std::wstring& target) {
  std::wstring fileClass = ClassesRootValue(L".htm");
  if (fileClass.empty()) return false;
  std::wstring command = ClassesRootValue(fileClass + L"\\shell\\open\\command");
  if (command.empty()) return false;
  size_t cut = command.find(L"\"%1\"");
  if (cut == std::wstring::npos) cut = command.find(L"%1");
  if (cut != std::wstring::npos) command.resize(cut);
  command += L" " + target;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

class HyperLinker final : public Component {
 public:
  HyperLinker(MainWindow& owner, const ComponentEntry& entry, const HyperLinkerSettings& s)
      : Component(owner, entry), settings_(s) {
    texts_[kCaption] = s.caption;
    texts_[kMailAddress] = s.mailAddress;
    texts_[kWebAddress] = s.webAddress;
    numbers_[kLinkKind] = s.linkKind;
    numbers_[kNormalColor] = static_cast<int32_t>(s.normalColor);
    numbers_[kVisitedColor] = static_cast<int32_t>(s.visitedColor);
    numbers_[kHoverColor] = static_cast<int32_t>(s.hoverColor);
    numbers_[kBackColor] = static_cast<int32_t>(s.backColor);
    numbers_[kBorder] = s.border;
  }

  PropertyType OwnType(int32_t own) const override {
    switch (own) {
      case kCaption:
      case kMailAddress:
      case kWebAddress: return PropertyType::Text;
      case kLinkKind:
      case kBorder: return PropertyType::Choice;
      default: return PropertyType::Color;
    }
  }
  PropertyValue GetOwn(int32_t own) override {
    if (own < 0 || own >= kOwnCount) return {};
    return {numbers_[own], texts_[own]};
  }
  void SetOwn(int32_t own, const PropertyValue& v) override {
    if (own < 0 || own >= kOwnCount) return;
    numbers_[own] = v.number;
    texts_[own] = v.text;
    InvalidateRect(Handle(), nullptr, FALSE);
  }

 protected:
  HWND CreatePlatformWindow() override {
    if (!font_) {
      LOGFONTW lf = {};
      lf.lfHeight = -settings_.fontHeight;  // negative: the character height, not the cell
      lf.lfWeight = settings_.fontWeight;
      lf.lfCharSet = DEFAULT_CHARSET;
      std::wstring face = GbkToWide(settings_.fontFace);
      face.copy(lf.lfFaceName, LF_FACESIZE - 1);
      font_.reset(CreateFontIndirectW(&lf));
    }
    if (!cursor_) cursor_.reset(CreateHandCursor());
    return MakeChild(OwnClassName(), L"", 0, 0);
  }

  bool HandleOwnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
    result = 0;
    switch (message) {
      case WM_ERASEBKGND: result = 1; return true;
      case WM_PAINT: Paint(); return true;
      case WM_SETCURSOR: SetCursor(cursor_.get()); result = TRUE; return true;
      case WM_MOUSEMOVE: OnPointerMoved(lParam); return true;
      case WM_CAPTURECHANGED: SetHovered(false); return true;
      case WM_LBUTTONDOWN: Open(); return true;
      default: return false;
    }
  }

 private:
  std::string Target() const {
    if (numbers_[kLinkKind] == 1) return texts_[kWebAddress];
    return texts_[kMailAddress].empty() ? std::string() : "mailto:" + texts_[kMailAddress];
  }

  // The capture keeps the pointer's moves coming after it leaves, so the link sees it go.
  void OnPointerMoved(LPARAM lParam) {
    if (!hovered_) {
      SetHovered(true);
      SetCapture(Handle());
      SetCursor(cursor_.get());
      return;
    }
    RECT area;
    GetClientRect(Handle(), &area);
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!PtInRect(&area, at)) {
      SetHovered(false);
      ReleaseCapture();
    }
  }

  void SetHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    InvalidateRect(Handle(), nullptr, FALSE);
  }

  void Open() {
    std::string target = Target();
    if (target.empty()) return;
    std::wstring wide = GbkToWide(target);
    auto answer = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
    bool opened = answer > 32 || OpenWithHtmlBrowser(wide);
    if (!opened) return;  // nothing shown, nothing changed
    visited_ = true;
    InvalidateRect(Handle(), nullptr, FALSE);
  }

  COLORREF TextColor() const {
    int32_t stored = hovered_ ? numbers_[kHoverColor] : visited_ ? numbers_[kVisitedColor] : numbers_[kNormalColor];
    return ResolveColor(static_cast<uint32_t>(stored), COLOR_WINDOWTEXT);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT area;
    GetClientRect(Handle(), &area);
    OwnedBrush back(CreateSolidBrush(ResolveColor(static_cast<uint32_t>(numbers_[kBackColor]), COLOR_BTNFACE)));
    FillRect(dc, &area, back.get());
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor());
    std::wstring text = GbkToWide(texts_[kCaption].empty() ? Target() : texts_[kCaption]);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
  }

  const HyperLinkerSettings& settings_;
  int32_t numbers_[kOwnCount] = {};
  std::string texts_[kOwnCount];
  bool hovered_ = false;
  bool visited_ = false;
  OwnedFont font_;
  OwnedCursor cursor_;
};

}  // namespace

std::unique_ptr<Component> MakeHyperLinker(MainWindow& owner, const ComponentEntry& entry,
                                           const HyperLinkerSettings& s) {
  return std::make_unique<HyperLinker>(owner, entry, s);
}

}  // namespace tessavia
