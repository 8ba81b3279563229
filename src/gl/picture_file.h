#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Writes a picture through a temporary file and a rename, so a failed write (a full
// disk) never leaves a cut-off picture behind. The format follows the file's suffix
// (.png, .bmp, ...), PNG when it has none; a bitmap has 24 bits a pixel. A FIFO or a device is written straight
// into. False, with the reason in *error if given, when the picture was not written.
bool WritePictureFile(const QImage& image, const QString& path, QString* error = nullptr);

// Why a picture of width x height pixels is too large to make, or nothing. Checked
// before anything is allocated: at most 32767 pixels on a side (what painting on a
// picture allows) and 2^28 pixels in all (a gibibyte at four bytes a pixel).
std::optional<QString> PictureSizeProblem(qint64 width, qint64 height);
