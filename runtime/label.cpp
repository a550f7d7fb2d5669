// Label: a caption the program draws itself with its stored alignment, colours and font.
#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"
#include "runtime/win_handles.h"

namespace tessavia {
namespace {

class Label final : public CaptionedComponent {
 public:
  Label(MainWindow& owner, const ComponentEntry& entry, const LabelSettings& s)
      : CaptionedComponent(owner, entry, s.caption), settings_(s) {}

 protected:
  // Repainted even when the text is the same; the paint fills the background itself.
  void OnCaptionChanged() override { InvalidateRect(Handle(), nullptr, FALSE); }

  HWND CreatePlatformWindow() override { return MakeChild(OwnClassName(), GbkToWide(Caption()), 0, 0); }

  bool HandleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message == WM_ERASEBKGND) {
      result = 1;
      return true;
    }
    if (message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT area;
    GetClientRect(Handle(), &area);
    OwnedBrush back(CreateSolidBrush(ResolveColor(settings_.backColor, COLOR_BTNFACE)));
    FillRect(dc, &area, back.get());
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(settings_.textColor, COLOR_WINDOWTEXT));
    UINT format = DT_NOPREFIX;
    format |= settings_.align == TextAlign::Center ? DT_CENTER : settings_.align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
    format |= settings_.wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    std::wstring text = GbkToWide(Caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
    result = 0;
    return true;
  }

 private:
  const LabelSettings& settings_;
};

}  // namespace

std::unique_ptr<Component> MakeLabel(MainWindow& owner, const ComponentEntry& entry, const LabelSettings& s) {
  return std::make_unique<Label>(owner, entry, s);
}

}  // namespace tessavia
