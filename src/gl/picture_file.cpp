#include "gl/picture_file.h"

#include "base/output_file.h"

#include <QBuffer>
#include <QFileInfo>

bool WritePictureFile(const QImage& image, const QString& path, QString* error) {
  const auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (image.isNull()) return fail(QStringLiteral("there is no picture to write"));
  const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
  // Bitmaps from an image with an alpha channel would get 32 bits a pixel, which
  // older programs read badly; the drawing is opaque anyway.
  const QImage saved = suffix == "bmp" ? image.convertToFormat(QImage::Format_RGB888) : image;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!saved.save(&buffer, suffix.isEmpty() ? "png" : suffix.constData()))
    return fail(QStringLiteral("cannot write a picture in the format '%1'").arg(QString::fromLatin1(suffix)));
  QString why;
  if (!WriteOutputFile(path, bytes, &why)) return fail(QStringLiteral("cannot write: %1").arg(why));
  return true;
}

std::optional<QString> PictureSizeProblem(qint64 width, qint64 height) {
  constexpr qint64 kLongestSide = 32767;
  constexpr qint64 kMostPixels = qint64{1} << 28;
  if (width > kLongestSide || height > kLongestSide)
    return QStringLiteral("the picture would be %1x%2 pixels, more than %3 on a side")
        .arg(width).arg(height).arg(kLongestSide);
  if (width * height > kMostPixels)
    return QStringLiteral("the picture would be %1x%2 pixels, more than %3 in all")
        .arg(width).arg(height).arg(kMostPixels);
  return std::nullopt;
}
