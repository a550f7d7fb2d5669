// Button: a platform push button whose click raises Clicked.
#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"

namespace tessavia {
namespace {

class Button final : public Component {
 public:
  Button(MainWindow& owner, const ComponentEntry& entry, const ButtonSettings& s)
      : Component(owner, entry), caption_(s.caption) {}

  bool CanHoldFocus() const override { return true; }
  PropertyType OwnType(int32_t) const override { return PropertyType::Text; }
  PropertyValue GetOwn(int32_t own) override { return own == 0 ? PropertyValue{0, caption_} : PropertyValue{}; }
  void SetOwn(int32_t own, const PropertyValue& v) override {
    if (own != 0) return;
    caption_ = v.text;
    SetWindowTextW(Handle(), GbkToWide(caption_).c_str());
  }
  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) Raise(kFirstEvent);
  }

 protected:
  HWND CreatePlatformWindow() override {
    // A normal push button, never the default one, caption centred both ways.
    return MakeChild(L"BUTTON", GbkToWide(caption_), BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0);
  }

 private:
  std::string caption_;
};

}  // namespace

std::unique_ptr<Component> MakeButton(MainWindow& owner, const ComponentEntry& entry, const ButtonSettings& s) {
  return std::make_unique<Button>(owner, entry, s);
}

}  // namespace tessavia
