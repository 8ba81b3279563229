#pragma once

#include "shell/program_places.h"

#include <QString>

#include <functional>

class MainWindow;

// The desktop program: the main window over the program's places, started up, shown
// and run until it closes. `shown` runs once the window is on screen, before the event
// loop starts (the start-up benchmark watches for the first picture there). Returns
// the exit code.
int RunDesktopProgram(const ProgramPlaces& places, const std::function<void(MainWindow&)>& shown = {});
// Everything beside one folder: the build tree and a portable copy.
int RunDesktopProgram(const QString& appDirectory, const std::function<void(MainWindow&)>& shown = {});
