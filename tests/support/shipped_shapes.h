#pragma once

#include "signdata/angle_file.h"
#include "signdata/shape_authoring.h"
#include "support/file_contents.h"

#include <QString>

#include <gtest/gtest.h>

// Builds authoring/<source> and checks that data/<shipped>, the file the program reads,
// is exactly what it builds, so a shape changed in the source cannot be forgotten in
// the shipped file. Whether the shipped files pass lint is a test of its own (ctest's
// lint_shipped_* entries run tovaro-cli lint on each).
inline ShapeAuthoringResult BuildShippedShapes(const QString& source, const QString& shipped,
                                               int columns) {
  ShapeAuthoringResult result =
      ParseShapeAuthoringFile(QStringLiteral(TOVARO_SOURCE_DIR "/authoring/") + source);
  EXPECT_TRUE(result.ok) << source.toStdString() << ": " << result.error.toStdString();
  if (!result.ok) return result;
  EXPECT_EQ(QString::fromUtf8(FileContents(QStringLiteral(TOVARO_SOURCE_DIR "/data/") + shipped)),
            FormatAngleData(*result.shapes.Table, result.shapes.SignCount, columns))
      << "data/" << shipped.toStdString() << " is out of date: run tovaro-cli shapes authoring/"
      << source.toStdString() << " --out data/" << shipped.toStdString();
  return result;
}
