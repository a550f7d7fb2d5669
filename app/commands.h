// The command routines that the window description binds to events: no arguments, no result.
#pragma once

namespace tessavia {

// Conversion commands.
void ToSimplified();
void ToTraditional();

// File commands.
void Open();
void OpenPath();
void OpenDefault();
void Save();
void SaveAs();
void ClearPath();

// Clock and homepage.
void WindowCreated();
void ClockTick();
void VisitHomepage();

}  // namespace tessavia
