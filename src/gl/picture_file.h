#pragma once

#include <QImage>
#include <QString>

// Writes a picture through a temporary file and a rename, so a failed write (a full
// disk) never leaves a cut-off picture behind. The format follows the file's suffix
// (.png, .bmp, ...), PNG when it has none; a bitmap has 24 bits a pixel. On failure
// `error`, if given, receives the reason.
bool WritePictureFile(const QImage& image, const QString& path, QString* error = nullptr);
