#pragma once

#include "gl/animation_writer.h"

// The MP4 writer, and FFmpeg with it, lives in a module of its own that the programs
// load when they first export an MP4, so neither starts by loading FFmpeg's libraries.
// The module's one entry opens a writer as Mp4AnimationWriter::Open does; the caller
// owns what it returns, and null comes with the reason in *error.
using OpenMp4WriterEntry = AnimationWriter* (*)(const QString& path, QSize size,
                                                const AnimationNote& note, QString* error);

// The name the module exports its entry under (unmangled).
inline constexpr char kOpenMp4WriterEntryName[] = "tovaro_open_mp4_writer";
