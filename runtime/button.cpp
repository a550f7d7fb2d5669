// Button: a platform push button whose click raises Clicked.
#include "runtime/component_kinds.h"
#include "runtime/gbk_wide.h"

namespace tessavia {
namespace {

class Button final : public CaptionedComponent {
 public:
  Button(MainWindow& owner, const ComponentEntry& entry, const ButtonSettings& s)
      : CaptionedComponent(owner, entry, s.caption) {}

  bool CanHoldFocus() const override { return true; }
  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) Raise(kFirstEvent);
  }

 protected:
  HWND CreatePlatformWindow() override {
    // A normal push button, never the default one, caption centred both ways.
    return MakeChild(L"BUTTON", GbkToWide(Caption()), BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0);
  }
};

}  // namespace

std::unique_ptr<Component> MakeButton(MainWindow& owner, const ComponentEntry& entry, const ButtonSettings& s) {
  return std::make_unique<Button>(owner, entry, s);
}

}  // namespace tessavia
