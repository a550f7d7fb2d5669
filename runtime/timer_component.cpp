// Timer: an invisible child window owning platform timer 1000, whose ticks raise Tick.
#include "runtime/component_kinds.h"

namespace tessavia {
namespace {

constexpr UINT_PTR kTimerId = 1000;

class Timer final : public Component {
 public:
  Timer(MainWindow& owner, const ComponentEntry& entry, const TimerSettings& s)
      : Component(owner, entry), period_(s.period > 0 ? s.period : 0) {}

  bool CanBeShown() const override { return false; }
  PropertyType OwnType(int32_t) const override { return PropertyType::Integer; }
  PropertyValue GetOwn(int32_t own) override { return own == 0 ? PropertyValue{period_, {}} : PropertyValue{}; }

  void SetOwn(int32_t own, const PropertyValue& v) override {
    if (own != 0) return;
    int32_t period = v.number < 0 ? 0 : v.number;
    if (period == period_) return;  // a running timer keeps its phase
    period_ = period;
    Stop();
    Start();
  }

 protected:
  HWND CreatePlatformWindow() override {
    HWND hwnd = MakeChild(OwnClassName(), L"", 0, 0);
    running_ = false;
    if (hwnd && period_ > 0) running_ = SetTimer(hwnd, kTimerId, static_cast<UINT>(period_), nullptr) != 0;
    return hwnd;
  }

  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message == WM_TIMER && wParam == kTimerId) {
      Raise(kFirstEvent);
    } else if (message == WM_DESTROY) {
      Stop();
    } else {
      return false;
    }
    result = 0;
    return true;
  }

 private:
  void Stop() {
    if (running_) KillTimer(Handle(), kTimerId);
    running_ = false;
  }
  void Start() {
    if (period_ > 0) running_ = SetTimer(Handle(), kTimerId, static_cast<UINT>(period_), nullptr) != 0;
  }

  int32_t period_;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<Component> MakeTimer(MainWindow& owner, const ComponentEntry& entry, const TimerSettings& s) {
  return std::make_unique<Timer>(owner, entry, s);
}

}  // namespace tessavia
