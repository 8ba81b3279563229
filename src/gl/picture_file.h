#pragma once

#include <QImage>
#include <QString>

// Writes a picture through a temporary file and a rename, so a failed write (a full
// disk) never leaves a cut-off picture behind. The format follows the file's suffix
// (.png, .bmp, ...), PNG when it has none.
bool WritePictureFile(const QImage& image, const QString& path);
