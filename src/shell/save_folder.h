#pragma once

#include <QString>

// The folder a save starts in: `current` when new files can be made there, else
// `fallback`, the user's own folder (an installed program's data folder belongs to the
// system and cannot be written). An empty fallback keeps `current`.
QString FolderToSaveIn(const QString& current, const QString& fallback);
