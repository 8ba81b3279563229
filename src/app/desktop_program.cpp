#include "app/desktop_program.h"

#include "app/app_state.h"
#include "app/main_window.h"

#include <QApplication>

int RunDesktopProgram(const QString& appDirectory, const std::function<void(frmSpace&)>& shown) {
  AppState state;
  frmSpace window(state, appDirectory);
  if (!window.StartUp()) return 0;
  window.show();
  window.FocusWordBox();
  if (shown) shown(window);
  return QApplication::exec();
}
