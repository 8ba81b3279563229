#include "gl/animation_writer.h"

#include "base/app_directory.h"
#include "gl/gif_animation_writer.h"
#include "gl/mp4_writer_module.h"

#include <QFileInfo>

std::optional<AnimationFormat> AnimationFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"gif") return AnimationFormat::Gif;
  if (suffix == u"mp4") return AnimationFormat::Mp4;
  return std::nullopt;
}

namespace {

// FFmpeg is loaded with the first MP4, not with the program.
std::unique_ptr<AnimationWriter> OpenMp4Writer(const QString& path, QSize size,
                                               const AnimationNote& note, QString* error) {
  const OpenMp4WriterEntry open = LoadMp4WriterModule(Mp4WriterModuleFiles(AppDirectory()), error);
  if (!open) return nullptr;
  return std::unique_ptr<AnimationWriter>(open(path, size, note, error));
}

}  // namespace

std::unique_ptr<AnimationWriter> OpenAnimationWriter(AnimationFormat format, const QString& path,
                                                     QSize size, const AnimationNote& note,
                                                     QString* error) {
  switch (format) {
    case AnimationFormat::Gif: return GifAnimationWriter::Open(path, size, error);
    case AnimationFormat::Mp4: return OpenMp4Writer(path, size, note, error);
  }
  return nullptr;
}
