#include "app/desktop_program.h"

#include "app/app_state.h"
#include "app/main_window.h"
#include "render/hand_view.h"

#include <QApplication>
#include <QSurfaceFormat>

void PrepareDesktopProgram() {
  // The window's own composition shares the format the drawing area asks for.
  QSurfaceFormat::setDefaultFormat(HandView::RequestedFormat());
}

int RunDesktopProgram(const QString& appDirectory, const std::function<void(frmSpace&)>& shown) {
  AppState state;
  frmSpace window(state, appDirectory);
  if (!window.StartUp()) return 0;
  window.show();
  if (shown) shown(window);
  return QApplication::exec();
}
