// The desktop program: a window in which a hand spells what the user types.
#include "gui/main_window/desktop_program.h"
#include "shell/program_places.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tovaro"));
  return RunDesktopProgram(ProgramPlacesOfThisProgram());
}
