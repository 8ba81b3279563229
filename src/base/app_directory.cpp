#include "base/app_directory.h"

#include <QCoreApplication>
#include <QFileInfo>

QString AppDirectory() {
  // Tests and tools may run before any application object exists; the kernel still
  // knows where the executable is.
  QString directory = QCoreApplication::instance()
                          ? QCoreApplication::applicationDirPath()
                          : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  if (!directory.endsWith(u'/')) directory += u'/';
  return directory;
}
