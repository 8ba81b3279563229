#include "gl/picture_file.h"

#include "base/file_replacement.h"

#include <QBuffer>
#include <QFileInfo>

bool WritePictureFile(const QImage& image, const QString& path) {
  if (image.isNull()) return false;
  const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, suffix.isEmpty() ? "png" : suffix.constData())) return false;
  return ReplaceFile(path, bytes);
}
