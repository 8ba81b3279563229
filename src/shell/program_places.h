#pragma once

#include <QString>
#include <QStringList>

// Where the program reads its own data (angle files, default word lists, help documents)
// and where it writes the user's files (Tovaro.ini, edited word lists, practice history,
// pictures). A portable copy or the build tree keeps both beside the executable; an
// installed copy reads <prefix>/share/tovaro and writes under the user's XDG folders.
// Every folder ends in "/".
struct ProgramPlaces {
  QString DataFolder;
  QString UserFolder;
  QString SettingsFolder;
  // Where an exported animation is first offered to go.
  QString PicturesFolder;

  QString SettingsFile() const;
  QString DataFile(const QString& name) const { return DataFolder + name; }
  QString UserFile(const QString& name) const { return UserFolder + name; }
  // A word list the user has edited is read from the user's copy; until then the
  // shipped default is read. Saving always writes UserFile(name).
  QString FileToRead(const QString& name) const;
};

// What the decision looks at, gathered by the caller so the rule itself touches
// nothing but the folders it is shown.
struct PlaceCandidates {
  QString ProgramFolder;          // the executable's folder
  bool ProgramFolderWritable = false;
  QStringList InstalledDataFolders;  // in order of preference; the last is the fallback
  QString ConfigFolder;           // QStandardPaths AppConfigLocation
  QString AppDataFolder;          // QStandardPaths AppDataLocation
  QString PicturesFolder;         // QStandardPaths PicturesLocation
};

// Data beside the executable when it is there, else the first installed folder that
// holds it (else the last one named). The user's files beside the executable when that
// folder is writable and holds Tovaro.ini or the data, else in the XDG folders. Pictures
// in the user's pictures folder when there is one, else with the user's files.
ProgramPlaces DecideProgramPlaces(const PlaceCandidates& candidates);

// Everything in one folder: the build tree, a portable copy, the tests.
ProgramPlaces PlacesBeside(const QString& folder);

// Whether a folder holds the program's data (any angle file).
bool HoldsProgramData(const QString& folder);

// The places of a program whose executable is in `programFolder`: beside it, or the
// installed data folder (its ../share/tovaro, then the prefix the program was built
// for) with the XDG folders of the application name, which are created when chosen.
ProgramPlaces ProgramPlacesFor(const QString& programFolder);
// The same for the running program, from AppDirectory().
ProgramPlaces ProgramPlacesOfThisProgram();
