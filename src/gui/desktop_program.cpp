#include "gui/desktop_program.h"

#include "gui/main_window.h"

#include <QApplication>

int RunDesktopProgram(const QString& appDirectory, const std::function<void(MainWindow&)>& shown) {
  MainWindow window(appDirectory);
  if (!window.StartUp()) return 0;
  window.show();
  window.FocusWordBox();
  if (shown) shown(window);
  return QApplication::exec();
}
