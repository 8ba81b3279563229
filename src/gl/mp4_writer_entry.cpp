// The entry of the MP4 writer's module, the only symbol it exports.
#include "gl/mp4_writer_entry.h"

#include "gl/mp4_animation_writer.h"

#include <string_view>
#include <type_traits>

extern "C" Q_DECL_EXPORT AnimationWriter* tovaro_open_mp4_writer(const QString& path, QSize size,
                                                                 const AnimationNote& note,
                                                                 QString* error) {
  return Mp4AnimationWriter::Open(path, size, note, error).release();
}

// The programs look the entry up by this name and call it through this type.
static_assert(std::string_view(kOpenMp4WriterEntryName) == "tovaro_open_mp4_writer");
static_assert(std::is_same_v<decltype(&tovaro_open_mp4_writer), OpenMp4WriterEntry>);
