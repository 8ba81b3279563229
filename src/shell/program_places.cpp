#include "shell/program_places.h"

#include "base/app_directory.h"
#include "shell/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TOVARO_INSTALLED_DATA_DIR
#define TOVARO_INSTALLED_DATA_DIR "/usr/local/share/tovaro"
#endif
#ifndef TOVARO_DATA_DIR_FROM_BIN
#define TOVARO_DATA_DIR_FROM_BIN "../share/tovaro"
#endif

namespace {

QString WithSlash(QString folder) {
  if (!folder.isEmpty() && !folder.endsWith(u'/')) folder += u'/';
  return folder;
}

}  // namespace

QString ProgramPlaces::SettingsFile() const { return SettingsFolder + kSettingsFileName; }

QString ProgramPlaces::FileToRead(const QString& name) const {
  const QString own = UserFile(name);
  return QFileInfo(own).isFile() ? own : DataFile(name);
}

bool HoldsProgramData(const QString& folder) {
  if (folder.isEmpty()) return false;
  return !QDir(folder).entryList({QStringLiteral("Position*.csv")}, QDir::Files).isEmpty();
}

ProgramPlaces DecideProgramPlaces(const PlaceCandidates& candidates) {
  const QString program = WithSlash(candidates.ProgramFolder);
  const bool dataBeside = HoldsProgramData(program);
  ProgramPlaces places;
  if (dataBeside) {
    places.DataFolder = program;
  } else {
    for (const QString& folder : candidates.InstalledDataFolders) {
      places.DataFolder = WithSlash(QDir::cleanPath(folder));
      if (HoldsProgramData(places.DataFolder)) break;
    }
    if (places.DataFolder.isEmpty()) places.DataFolder = program;
  }
  const bool userBeside = candidates.ProgramFolderWritable &&
                          (dataBeside || QFileInfo(program + kSettingsFileName).exists());
  if (userBeside) {
    places.UserFolder = program;
    places.SettingsFolder = program;
  } else {
    places.UserFolder = WithSlash(candidates.AppDataFolder);
    places.SettingsFolder = WithSlash(candidates.ConfigFolder);
  }
  places.PicturesFolder = !candidates.PicturesFolder.isEmpty() && QFileInfo(candidates.PicturesFolder).isDir()
                              ? WithSlash(candidates.PicturesFolder)
                              : places.UserFolder;
  return places;
}

ProgramPlaces PlacesBeside(const QString& folder) {
  const QString beside = WithSlash(folder);
  return {beside, beside, beside, beside};
}

ProgramPlaces ProgramPlacesOfThisProgram() { return ProgramPlacesFor(AppDirectory()); }

ProgramPlaces ProgramPlacesFor(const QString& programFolder) {
  PlaceCandidates candidates;
  candidates.ProgramFolder = WithSlash(programFolder);
  candidates.ProgramFolderWritable = QFileInfo(candidates.ProgramFolder).isWritable();
  candidates.InstalledDataFolders = {candidates.ProgramFolder + QStringLiteral(TOVARO_DATA_DIR_FROM_BIN),
                                     QStringLiteral(TOVARO_INSTALLED_DATA_DIR)};
  candidates.ConfigFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  candidates.AppDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  candidates.PicturesFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  const ProgramPlaces places = DecideProgramPlaces(candidates);
  // The XDG folders may not exist yet; the writers expect their folder to be there.
  QDir().mkpath(places.UserFolder);
  QDir().mkpath(places.SettingsFolder);
  return places;
}
