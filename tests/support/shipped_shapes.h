#pragma once

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "signdata/angle_file.h"
#include "signdata/shape_authoring.h"
#include "signdata/sign_table.h"
#include "support/file_contents.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

// data/<file>, as the program ships it, read into a table of `hands` hands.
inline std::unique_ptr<SignTable> LoadShippedTable(const QString& file, int hands) {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(hands));
  const FileResult loaded = LoadAngleFile(*table, QStringLiteral(TOVARO_SOURCE_DIR "/data/") + file);
  EXPECT_TRUE(loaded) << file.toStdString() << ": " << loaded.reason.toStdString();
  return table;
}

// A word as a system spells it on a table at speed 40: its signs and its moves.
struct PlayedWord {
  SignSequence signs;
  MoveScript script;
};

inline PlayedWord PlayWord(const SignTable& table, SystemId system, const QString& text, bool roman = false,
                           int16_t numeralBase = 46) {
  const FingerspellingSystem& spelling = FindSystem(system);
  const ConversionResult converted =
      roman ? spelling.ConvertRomanized(text) : spelling.Convert(text, NumeralBaseOfSystem(system, numeralBase));
  EXPECT_TRUE(std::holds_alternative<Conversion>(converted)) << text.toStdString();
  if (!std::holds_alternative<Conversion>(converted)) return {};
  const SignSequence& signs = std::get<Conversion>(converted).steps;
  return {signs, spelling.Choreograph(table, signs, 100)};
}

// Every key frame of every sign of the word is played, in order (the movements of a
// mark or a doubled letter in between go back to a sign's key frame 0), and no move
// asks for a key frame the table lacks.
inline void ExpectEveryKeyFramePlayed(const SignTable& table, const PlayedWord& word) {
  ASSERT_FALSE(word.signs.empty());
  std::vector<std::pair<int, int>> expected;
  for (const SignStep& step : word.signs) {
    EXPECT_GE(table.KeyFrameCount(step.Code), 1) << "sign " << step.Code << " has no key frame";
    for (int k = 0; k < table.KeyFrameCount(step.Code); ++k) expected.emplace_back(step.Code, k);
  }
  size_t next = 0;
  for (const Move& move : word.script) {
    if (move.kind != Move::Kind::SetTarget && move.kind != Move::Kind::SetTargetShifted) continue;
    EXPECT_LT(move.frame, table.KeyFrameCount(move.sign)) << "sign " << move.sign << " key frame " << move.frame;
    if (next < expected.size() && std::pair(move.sign, move.frame) == expected[next]) ++next;
  }
  EXPECT_EQ(next, expected.size()) << "not played in order: sign " << expected[std::min(next, expected.size() - 1)].first;
}

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
