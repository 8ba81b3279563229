#include "gl/mp4_writer_module.h"

#include "gl/mp4_writer_module_location.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QStringList Mp4WriterModuleFiles(const QString& programFolder) {
  const QString name = QString::fromUtf8(kMp4WriterModuleFileName);
  return {programFolder + name,
          QDir::cleanPath(programFolder + QString::fromUtf8(kMp4WriterModuleInstalledFolder) + name),
          QString::fromUtf8(kMp4WriterModuleBuildFolder) + name};
}

OpenMp4WriterEntry LoadMp4WriterModule(const QStringList& files, QString* error) {
  const auto unavailable = [error](const QString& reason) {
    if (error) *error = QStringLiteral("MP4 export is not available: ") + reason;
    return nullptr;
  };
  for (const QString& file : files) {
    if (!QFileInfo::exists(file)) continue;
    // Never unloaded: the writers it makes run its code, and a later export finds it
    // loaded already.
    QLibrary module(file);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (!module.load()) return unavailable(module.errorString());
    const auto entry = reinterpret_cast<OpenMp4WriterEntry>(module.resolve(kOpenMp4WriterEntryName));
    if (!entry) return unavailable(module.errorString());
    return entry;
  }
  QStringList folders;
  for (const QString& file : files) folders << QFileInfo(file).path();
  folders.removeDuplicates();  // the build tree's programs stand in its folder
  return unavailable(QStringLiteral("%1 is in none of %2")
                         .arg(QString::fromUtf8(kMp4WriterModuleFileName), folders.join(QStringLiteral(", "))));
}
