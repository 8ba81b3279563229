#pragma once

#include "signdata/angle_file.h"
#include "signdata/sign_table.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

// data/<file>, as the program ships it, read into a table of `hands` hands.
inline std::unique_ptr<SignTable> LoadShippedTable(const QString& file, int hands) {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(hands));
  const FileResult loaded = LoadAngleFile(*table, QStringLiteral(TOVARO_SOURCE_DIR "/data/") + file);
  EXPECT_TRUE(loaded) << file.toStdString() << ": " << loaded.reason.toStdString();
  return table;
}
