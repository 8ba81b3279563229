#include "signdata/sign_table.h"
#include "support/shipped_shapes.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Alphabet {
  const char* source;
  const char* data;
  SystemId system;
  // Letters signed with the right hand alone: the left wrist is held below -80.
  const char* oneHanded;
  // Letters that move through several key frames.
  const char* moving;
};

const Alphabet kBritish{"bsl.shapes", "PositionBSL.csv", SystemId::BritishTwoHanded, "C", "HJZ"};
const Alphabet kIndonesian{"ina.shapes", "PositionINA.csv", SystemId::IndonesianTwoHanded, "CIJLMNSUVZ", "JSZ"};

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

// Plays `word`: every key frame of every letter is played, and the second of two
// equal letters slides 20 to the viewer's left, with the left hand too unless the
// letter is signed with the right hand alone.
void CheckWord(const Alphabet& alphabet, const SignTable& table, const char* word) {
  SCOPED_TRACE(word);
  const PlayedWord played = PlayWord(table, alphabet.system, QString::fromLatin1(word));
  ExpectEveryKeyFramePlayed(table, played);
  const std::string letters = QString::fromLatin1(word).toUpper().toStdString();
  for (size_t i = 1; i < letters.size(); ++i) {
    if (letters[i - 1] != letters[i]) continue;
    const bool oneHanded = std::string(alphabet.oneHanded).find(letters[i]) != std::string::npos;
    bool slid = false;
    for (const Move& move : played.script) {
      if (move.sign != letters[i] - 'A' + 1 || move.offsets[kRightWristPosY] != -20.0f) continue;
      slid = true;
      EXPECT_EQ(move.offsets[kLeftWristPosY], oneHanded ? 0.0f : -20.0f) << letters[i];
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
    const auto table = LoadShippedTable(QLatin1String(alphabet->data), 2);
    for (const char* word : {"hello", "anna", "bookkeeper", "jazz"}) CheckWord(*alphabet, *table, word);
  }
}
