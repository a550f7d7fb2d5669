// EditBox: a platform edit control whose content writes raise ContentChanged exactly once.
#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"
#include "runtime/win_handles.h"

namespace tessavia {
namespace {

// Own property numbers (the property number minus 8).
enum : int32_t { kContent = 0, kMaxLength = 6, kMultiLine = 7 };

class EditBox final : public Component {
 public:
  EditBox(MainWindow& owner, const ComponentEntry& entry, const EditBoxSettings& s)
      : Component(owner, entry), settings_(s), content_(s.content) {}

  bool CanHoldFocus() const override { return true; }
  bool TakesKey(UINT key) const override { return key == VK_RETURN && settings_.multiLine && !settings_.readOnly; }

  PropertyType OwnType(int32_t own) const override {
    if (own == kContent) return PropertyType::Text;
    return own == kMultiLine ? PropertyType::Boolean : PropertyType::Integer;
  }

  PropertyValue GetOwn(int32_t own) override {
    switch (own) {
      case kContent: return {0, CurrentText()};
      case kMaxLength: return {settings_.maxLength, {}};
      case kMultiLine: return {settings_.multiLine ? 1 : 0, {}};
      default: return {};
    }
  }

  void SetOwn(int32_t own, const PropertyValue& v) override {
    switch (own) {
      case kContent:
        content_ = v.text;
        writing_ = true;  // the platform's own change notice for this text is not a second event
        SetWindowTextW(Handle(), GbkToWide(content_).c_str());
        writing_ = false;
        Raise(kFirstEvent);
        break;
      case kMaxLength:
        settings_.maxLength = v.number;
        ApplyLimit(Handle());
        break;
      case kMultiLine:
        // The platform takes this style only at creation.
        content_ = CurrentText();
        settings_.multiLine = v.number != 0;
        Recreate();
        break;
      default:
        break;
    }
  }

  void OnCommand(WORD code) override {
    if (code == EN_CHANGE && !writing_) Raise(kFirstEvent);
  }

  HBRUSH OnControlColor(HDC dc) override {
    SetTextColor(dc, ResolveColor(settings_.textColor, COLOR_WINDOWTEXT));
    COLORREF back = ResolveColor(settings_.backColor, COLOR_WINDOW);
    SetBkColor(dc, back);
    if (!brush_ || brushColor_ != back) {
      brush_.reset(CreateSolidBrush(back));
      brushColor_ = back;
    }
    return brush_.get();
  }

 protected:
  HWND CreatePlatformWindow() override {
    DWORD style = ES_LEFT | ES_AUTOHSCROLL;
    if (settings_.multiLine) style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (settings_.readOnly) style |= ES_READONLY;
    if (settings_.password) style |= ES_PASSWORD;
    if (!settings_.hideSelection) style |= ES_NOHIDESEL;
    HWND hwnd = MakeChild(L"EDIT", GbkToWide(content_), style, settings_.clientEdge ? WS_EX_CLIENTEDGE : 0);
    if (hwnd) ApplyLimit(hwnd);
    return hwnd;
  }

 private:
  // 0 leaves the platform's default maximum in force.
  void ApplyLimit(HWND hwnd) const {
    if (settings_.maxLength > 0) SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(settings_.maxLength), 0);
  }

  std::string CurrentText() const {
    int n = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(Handle(), text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return WideToGbk(text);
  }

  EditBoxSettings settings_;  // a copy: MultiLine and MaxLength can change
  std::string content_;
  bool writing_ = false;
  OwnedBrush brush_;
  COLORREF brushColor_ = 0;
};

}  // namespace

std::unique_ptr<Component> MakeEditBox(MainWindow& owner, const ComponentEntry& entry, const EditBoxSettings& s) {
  return std::make_unique<EditBox>(owner, entry, s);
}

}  // namespace tessavia
