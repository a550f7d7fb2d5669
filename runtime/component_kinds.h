// The kinds of control a window description can hold, made from their stored settings.
#pragma once

#include <memory>

#include "runtime/component.h"

namespace tessavia {

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
