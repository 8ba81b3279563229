#pragma once

#include "gl/mp4_writer_entry.h"

#include <QString>
#include <QStringList>

// The files the MP4 writer's module is looked for at, in order, by a program in
// `programFolder` (ending in "/"): beside the program (the build tree's two programs, a
// portable copy), in the library folder of an installed copy, then where the build tree
// puts it, for the tests and benchmarks whose programs lie in folders of their own.
QStringList Mp4WriterModuleFiles(const QString& programFolder);

// The module's entry, from the first of `files` that exists, loaded once and kept for
// the rest of the run; null, with "MP4 export is not available: <reason>" in *error,
// when no file is there, it is no loadable library or it has no entry.
OpenMp4WriterEntry LoadMp4WriterModule(const QStringList& files, QString* error);
