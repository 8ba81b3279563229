#include "gui/main_window/desktop_program.h"

#include "gui/main_window/main_window.h"

#include <QApplication>

int RunDesktopProgram(const QString& appDirectory, const std::function<void(MainWindow&)>& shown) {
  return RunDesktopProgram(PlacesBeside(appDirectory), shown);
}

int RunDesktopProgram(const ProgramPlaces& places, const std::function<void(MainWindow&)>& shown) {
  MainWindow window(places);
  if (!window.StartUp()) return 0;
  window.show();
  window.Systems().FocusWordBox();
  if (shown) shown(window);
  return QApplication::exec();
}
