// Picks the kind of a component from the settings its description entry holds.
#include "runtime/component_kinds.h"
#include "runtime/main_window.h"

namespace tessavia {

namespace {
template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;
}  // namespace

std::unique_ptr<Component> MakeComponent(MainWindow& owner, const ComponentEntry& entry) {
  return std::visit(
      Overloaded{
          [&](const ButtonSettings& s) { return MakeButton(owner, entry, s); },
          [&](const LabelSettings& s) { return MakeLabel(owner, entry, s); },
          [&](const EditBoxSettings& s) { return MakeEditBox(owner, entry, s); },
          [&](const RichEditSettings& s) { return MakeRichEdit(owner, entry, s); },
          [&](const HyperLinkerSettings& s) { return MakeHyperLinker(owner, entry, s); },
          [&](const CommonDlgSettings& s) { return MakeCommonDlg(owner, entry, s); },
          [&](const TimerSettings& s) { return MakeTimer(owner, entry, s); },
      },
      entry.settings);
}

}  // namespace tessavia
