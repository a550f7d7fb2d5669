// The recording fixture: the program's description with each bound command swapped for a recorder.
#include "tests/windows/window_fixture.h"

#include <utility>

namespace tessavia::testing {

namespace {

std::vector<EventBinding>& CurrentBindings() {
  static std::vector<EventBinding> bindings;
  return bindings;
}
std::vector<Command>& Originals() {
  static std::vector<Command> originals;
  return originals;
}

template <int I>
void Recorder() {
  const EventBinding& b = CurrentBindings()[I];
  RecordingWindowTest::Log().push_back({b.componentId, b.event, Originals()[I]});
}

template <int... I>
constexpr std::array<Command, sizeof...(I)> MakeRecorders(std::integer_sequence<int, I...>) {
  return {Recorder<I>...};
}

}  // namespace

std::vector<EventBinding>& RecordingWindowTest::ExtraBindings() {
  static std::vector<EventBinding> extra;
  return extra;
}

std::vector<RecordingWindowTest::Recorded>& RecordingWindowTest::Log() {
  static std::vector<Recorded> log;
  return log;
}

int RecordingWindowTest::CountOf(uint32_t componentId, int32_t event) {
  int n = 0;
  for (const Recorded& r : Log()) n += r.componentId == componentId && r.event == event;
  return n;
}

void RecordingWindowTest::SetUp() {
  static constexpr auto recorders = MakeRecorders(std::make_integer_sequence<int, kMaxBindings>{});
  Log().clear();
  CurrentBindings().clear();
  Originals().clear();
  for (const EventBinding& b : MainWindowDescription.events) {
    CurrentBindings().push_back(b);
    Originals().push_back(b.command);
  }
  for (const EventBinding& b : ExtraBindings()) {
    CurrentBindings().push_back(b);
    Originals().push_back(nullptr);
  }
  ASSERT_LE(CurrentBindings().size(), static_cast<size_t>(kMaxBindings));
  events_.clear();
  for (size_t i = 0; i < CurrentBindings().size(); ++i)
    events_.push_back({CurrentBindings()[i].componentId, CurrentBindings()[i].event, recorders[i]});
  description_ = MainWindowDescription;
  description_.events = {events_.data(), events_.size()};
  LoadDescription(description_);
}

}  // namespace tessavia::testing
