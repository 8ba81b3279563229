#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// The name rules of the program's own file dialog, free of widgets.

// A name split at its first dot: the extension runs from the dot to the end. A name
// without a dot has the extension "." and an empty stem.
struct NameParts {
  QString Extension;
  QString Stem;
};
NameParts sufikso(const QString& name);

// The name up to, not including, its first dot; a name without a dot whole.
QString sufix_removal(const QString& name);

// The name unchanged when it holds a dot anywhere, else the name with the extension.
QString sufix_check(const QString& name, const QString& extension);

// A file type the caller registers, such as "Angle Data" with ".csv".
struct FileType {
  QString Description;
  QString Extension;
};

// The type list shows each registered type, then every file.
QString FileTypeEntry(const FileType& type);  // "Angle Data (*.csv)"
inline const QString kAllFilesEntry = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "All Files (*.*)"));

// What choosing entry `index` of the type list does: the file list's name pattern, and
// the extension it makes current (none for "All Files (*.*)", which keeps the old one).
struct FileTypeSelection {
  QString Pattern;
  std::optional<QString> Extension;
};
FileTypeSelection SelectFileType(const std::vector<FileType>& types, int index);

// The folder path with "/" appended unless it already ends in one (a root does).
QString DirectoryWithSeparator(const QString& folder);

// What the dialog hands back when the user confirms.
struct FileChoice {
  QString BaseName;   // the selected file's name up to its first dot
  QString FileName;   // the chosen name with its extension
  QString Directory;  // ends in "/"
  QString FullPath;   // Directory followed by FileName
};

// Confirming with the button: in load mode the selected file as listed, in save mode the
// typed name, which gets the current extension when it has no dot. No selected file in
// load mode gives the extension alone as the name, which the caller's load then rejects.
FileChoice ConfirmFileChoice(bool loadMode, const QString& selectedFile, const QString& typedName,
                             const QString& folder, const QString& extension);

// Double-clicking a listed file takes its name exactly as listed, in either mode.
FileChoice DoubleClickFileChoice(const QString& clickedFile, const QString& folder);
