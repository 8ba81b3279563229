// The desktop program: a window in which a hand spells what the user types.
#include "base/app_directory.h"
#include "gui/desktop_program.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tovaro"));
  return RunDesktopProgram(AppDirectory());
}
