#include "signdata/sign_table.h"
#include "cli/trace_command.h"
#include "signdata/angle_file.h"
#include "support/command_run.h"
#include "support/shipped_shapes.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Alphabet {
  const char* source;
  const char* data;
  int system;
  // Letters signed with the right hand alone: the left wrist is held below -80.
  const char* oneHanded;
  // Letters that move through several key frames.
  const char* moving;
};

const Alphabet kBritish{"bsl.shapes", "PositionBSL.csv", 0, "C", "HJZ"};
const Alphabet kIndonesian{"ina.shapes", "PositionINA.csv", 1, "CIJLMNSUVZ", "JSZ"};

QString DataFile(const Alphabet& alphabet) {
  return QStringLiteral(TOVARO_SOURCE_DIR "/data/") + QLatin1String(alphabet.data);
}

void CheckAlphabet(const Alphabet& alphabet) {
  SCOPED_TRACE(alphabet.source);
  const auto result = BuildShippedShapes(alphabet.source, alphabet.data, kTwoHandColumns);
  ASSERT_TRUE(result.ok);
  const AuthoredShapes& shapes = result.shapes;
  EXPECT_EQ(shapes.HandCount, 2);
  ASSERT_EQ(shapes.SignCount, 27);

  const SignTableSlots& table = *shapes.Table;
  EXPECT_EQ(table[0].Name.trimmed(), "Rest");
  for (int slot = 1; slot <= 26; ++slot) {
    const char letter = static_cast<char>('A' + slot - 1);
    SCOPED_TRACE(std::string(1, letter));
    const SignRecord& record = table[slot];
    EXPECT_EQ(record.Name.trimmed(), QString(QChar(letter)));
    ASSERT_GE(record.FrameCount, 1);
    // The doubled-letter movement leaves a hand below -80 where it is; a letter of
    // one hand keeps the other there throughout, a letter of two keeps both up.
    const bool oneHanded = std::string(alphabet.oneHanded).find(letter) != std::string::npos;
    // A letter of two hands comes together from apart and opens again.
    if (std::string(alphabet.moving).find(letter) != std::string::npos || !oneHanded)
      EXPECT_GE(record.FrameCount, 3);
    else
      EXPECT_EQ(record.FrameCount, 1);
    for (const KeyFrame& frame : record.Frames) {
      EXPECT_GE(frame.RightWristPos[2], -80.0f);
      if (oneHanded)
        EXPECT_LT(frame.LeftWristPos[2], -80.0f);
      else
        EXPECT_GE(frame.LeftWristPos[2], -80.0f);
    }
  }
}

struct Target {
  int sign = 0;
  int frame = 0;
  std::vector<float> offsets;
};

// The SetHandTargetShifted calls of a traced word, in order.
std::vector<Target> TraceTargets(const Alphabet& alphabet, const char* word) {
  const CommandRun run = RunCommand(RunTraceCommand, {"--system", QString::number(alphabet.system),
                                                      "--angles", DataFile(alphabet), "--speed", "40", word});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("FrameCounter "), std::string::npos);
  std::vector<Target> targets;
  std::istringstream lines(run.out);
  std::string keyword;
  while (lines >> keyword) {
    if (keyword == "SetHandTargetShifted") {
      Target target;
      lines >> target.sign >> target.frame;
      target.offsets.resize(12);
      for (float& offset : target.offsets) lines >> offset;
      targets.push_back(target);
    } else {
      std::string rest;
      std::getline(lines, rest);
    }
  }
  return targets;
}

// Plays `word`: every key frame of every letter is reached, and the second of two
// equal letters slides 20 to the viewer's left, with the left hand too unless the
// letter is signed with the right hand alone.
void CheckWord(const Alphabet& alphabet, const SignTable& state, const char* word) {
  SCOPED_TRACE(word);
  const std::vector<Target> targets = TraceTargets(alphabet, word);
  std::set<std::pair<int, int>> reached;
  for (const Target& target : targets) reached.insert({target.sign, target.frame});
  const std::string letters = QString::fromLatin1(word).toUpper().toStdString();
  for (size_t i = 0; i < letters.size(); ++i) {
    const int code = letters[i] - 'A' + 1;
    for (int frame = 0; frame < state.Signs[code].FrameCount; ++frame)
      EXPECT_TRUE(reached.count({code, frame})) << letters[i] << " key frame " << frame;
    if (i == 0 || letters[i - 1] != letters[i]) continue;
    const bool oneHanded = std::string(alphabet.oneHanded).find(letters[i]) != std::string::npos;
    bool slid = false;
    for (const Target& target : targets) {
      if (target.sign != code || target.offsets[4] != -20.0f) continue;
      slid = true;
      EXPECT_EQ(target.offsets[10], oneHanded ? 0.0f : -20.0f) << letters[i];
    }
    EXPECT_TRUE(slid) << letters[i];
  }
}

}  // namespace

TEST(TwoHandAlphabets, TheShippedAlphabetsAreBuiltFromTheirSources) {
  CheckAlphabet(kBritish);
  CheckAlphabet(kIndonesian);
}

TEST(TwoHandAlphabets, WordsPlayEveryKeyFrameAndSlideTheirDoubledLetters) {
  for (const Alphabet* alphabet : {&kBritish, &kIndonesian}) {
    SCOPED_TRACE(alphabet->data);
    SignTable state;
    state.HandCount = 2;
    state.ColumnCount = kTwoHandColumns;
    ASSERT_TRUE(LoadAngleFile(state, DataFile(*alphabet)));
    for (const char* word : {"hello", "anna", "bookkeeper", "jazz"}) CheckWord(*alphabet, state, word);
  }
}
