#include "cli/cli_application.h"

#include <QGuiApplication>

#include <cstring>

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
  const bool draws =
      argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "export") == 0);
  if (!draws) return std::make_unique<QCoreApplication>(argc, argv);
  // The command-line tool never opens a window, whatever display there may be.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}
