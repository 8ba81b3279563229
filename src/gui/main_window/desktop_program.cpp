#include "gui/main_window/desktop_program.h"

#include "gl/opengl_driver_preload.h"
#include "gui/main_window/main_window.h"

#include <QApplication>

#include <optional>

int RunDesktopProgram(const QString& appDirectory, const std::function<void(MainWindow&)>& shown) {
  return RunDesktopProgram(PlacesBeside(appDirectory), shown);
}

int RunDesktopProgram(const ProgramPlaces& places, const std::function<void(MainWindow&)>& shown) {
  std::optional<OpenGLDriverPreload> preload(std::in_place);
  MainWindow window(places);
  // Ended before the drawing area makes its first context, which then finds the driver
  // loaded, so the two never initialise it at once.
  preload.reset();
  if (!window.StartUp()) return 0;
  window.show();
  window.Systems().FocusWordBox();
  if (shown) shown(window);
  return QApplication::exec();
}
