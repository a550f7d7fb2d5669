// The kinds of control a window description can hold, made from their stored settings.
#pragma once

#include <memory>
#include <string>

#include "runtime/component.h"

namespace tessavia {

// A kind whose one own property is its caption (property 8), shown as the platform window's text.
class CaptionedComponent : public Component {
 public:
  CaptionedComponent(MainWindow& owner, const ComponentEntry& entry, const char* caption)
      : Component(owner, entry), caption_(caption) {}
  PropertyType OwnType(int32_t) const override { return PropertyType::Text; }
  PropertyValue GetOwn(int32_t own) override { return own == 0 ? PropertyValue{0, caption_} : PropertyValue{}; }
  // Stores the caption, sets it as the platform text, then lets the kind react.
  void SetOwn(int32_t own, const PropertyValue& value) override;

 protected:
  virtual void OnCaptionChanged() {}
  const std::string& Caption() const { return caption_; }

 private:
  std::string caption_;
};

std::unique_ptr<Component> MakeButton(MainWindow& owner, const ComponentEntry& entry, const ButtonSettings& s);
std::unique_ptr<Component> MakeLabel(MainWindow& owner, const ComponentEntry& entry, const LabelSettings& s);
std::unique_ptr<Component> MakeEditBox(MainWindow& owner, const ComponentEntry& entry, const EditBoxSettings& s);
std::unique_ptr<Component> MakeRichEdit(MainWindow& owner, const ComponentEntry& entry, const RichEditSettings& s);
std::unique_ptr<Component> MakeHyperLinker(MainWindow& owner, const ComponentEntry& entry,
                                           const HyperLinkerSettings& s);
std::unique_ptr<Component> MakeCommonDlg(MainWindow& owner, const ComponentEntry& entry, const CommonDlgSettings& s);
std::unique_ptr<Component> MakeTimer(MainWindow& owner, const ComponentEntry& entry, const TimerSettings& s);

// The hand pointer shown over a link, drawn by the program; hot spot at the fingertip.
HCURSOR CreateHandCursor();

}  // namespace tessavia
