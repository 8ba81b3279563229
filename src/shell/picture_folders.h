#pragma once

#include "shell/interface_language.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

// The rules of capture and recording: the names the user types for folders and
// pictures, where the folders are made, and what the user is told.

inline const QString kInvalidNameMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Invalid name"));

enum class NameCheck { Accepted, Empty, Invalid };

// A folder or file name stays inside the folder it is made in: no "/", no "\", no
// leading "." (which also rules out "." and ".."), no NUL and no control character.
NameCheck CheckPictureName(const QString& name);

// `parent` (ending in "/") with the folder `name` and a "/" after it.
QString ChildFolder(const QString& parent, const QString& name);

// A picture named `name` in `folder` (ending in "/"), as a bitmap.
QString CapturePicturePath(const QString& folder, const QString& name);

// What making a folder came to; on failure the system's reason.
struct FolderAttempt {
  enum class Outcome { Created, AlreadyExists, Failed };
  Outcome outcome = Outcome::Failed;
  QString reason;
};
FolderAttempt CreateFolder(const QString& path);

// The question when the folder is there already (answered with OK or Cancel), and the
// message when it could not be made, in the interface language.
QString FolderExistsQuestion(InterfaceLanguage language);
QString FolderFailedMessage(InterfaceLanguage language, const QString& reason);

// Told once when a picture cannot be written, and recording stops.
QString PictureNotSavedMessage(const QString& reason);
