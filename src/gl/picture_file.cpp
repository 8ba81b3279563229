#include "gl/picture_file.h"

#include "base/file_replacement.h"

#include <QBuffer>
#include <QFileInfo>

bool WritePictureFile(const QImage& image, const QString& path, QString* error) {
  const auto fail = [error](const char* reason) {
    if (error != nullptr) *error = QString::fromLatin1(reason);
    return false;
  };
  if (image.isNull()) return fail("there is no picture");
  const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
  // Bitmaps from an image with an alpha channel would get 32 bits a pixel, which
  // older programs read badly; the drawing is opaque anyway.
  const QImage saved = suffix == "bmp" ? image.convertToFormat(QImage::Format_RGB888) : image;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!saved.save(&buffer, suffix.isEmpty() ? "png" : suffix.constData()))
    return fail("the picture format is not supported");
  return ReplaceFile(path, bytes, error);
}
