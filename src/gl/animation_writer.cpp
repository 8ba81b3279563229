#include "gl/animation_writer.h"

#include "gl/gif_animation_writer.h"
#include "gl/mp4_animation_writer.h"

#include <QFileInfo>

std::optional<AnimationFormat> AnimationFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"gif") return AnimationFormat::Gif;
  if (suffix == u"mp4") return AnimationFormat::Mp4;
  return std::nullopt;
}

std::unique_ptr<AnimationWriter> OpenAnimationWriter(AnimationFormat format, const QString& path,
                                                     QSize size, const AnimationNote& note,
                                                     QString* error) {
  switch (format) {
    case AnimationFormat::Gif: return GifAnimationWriter::Open(path, size, error);
    case AnimationFormat::Mp4: return Mp4AnimationWriter::Open(path, size, note, error);
  }
  return nullptr;
}
