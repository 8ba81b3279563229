#pragma once

#include <QString>

#include <functional>

class MainWindow;

// The desktop program: the main window over the program's folder, started up, shown
// and run until it closes. `shown` runs once the window is on screen, before the event
// loop starts (the start-up benchmark watches for the first picture there). Returns
// the exit code.
int RunDesktopProgram(const QString& appDirectory,
                      const std::function<void(MainWindow&)>& shown = {});
