// The desktop program started over a given folder, ending as soon as its first picture
// has been presented on screen. The start-up benchmark runs it as a fresh process.
#include "gui/main_window/desktop_program.h"
#include "gui/main_window/main_window.h"
#include "gui/view/hand_view.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  QString folder = QString::fromLocal8Bit(argv[1]);
  if (!folder.endsWith(u'/')) folder += u'/';
  return RunDesktopProgram(folder, [](MainWindow& window) {
    QObject::connect(window.findChild<HandView*>(QStringLiteral("picSpace")), &HandView::frameSwapped, &window, [] {
      std::puts("first frame presented");
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  });
}
