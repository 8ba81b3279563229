// Going from contact to contact between the letters of a word, the hands lifted only
// as far as they must be, on the shipped two-handed alphabets.

#include "playback/contact_clearance.h"

#include "convert/fingerspelling_system.h"
#include "convert/playback_steps.h"
#include "convert/system_registry.h"
#include "signdata/apart_key_frame.h"
#include "support/shipped_shapes.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace {

// The contact frames of each letter a word's script sets as targets, with the offsets
// the choreography gives them (a doubled letter's second slides along; each bounce
// of a doubled letter of one key frame counts as a letter of its own).
std::vector<std::vector<KeyFrameTarget>> ContactsOfLetters(const SignTable& table, SystemId system,
                                                           const QString& word) {
  const FingerspellingSystem& spelling = FindSystem(system);
  const ConversionResult converted = spelling.Convert(word, 0);
  EXPECT_TRUE(std::holds_alternative<Conversion>(converted)) << word.toStdString();
  if (!std::holds_alternative<Conversion>(converted)) return {};
  std::vector<std::vector<KeyFrameTarget>> letters;
  const SignSequence& steps = std::get<Conversion>(converted).steps;
  for (const Move& move : spelling.Choreograph(table, steps, DelayForSpeed(100))) {
    if (move.kind != Move::Kind::SetTargetShifted) continue;
    if (move.frame == 0) letters.emplace_back();
    if (!IsApartKeyFrame(table, move.sign, move.frame))
      letters.back().push_back({move.sign, move.frame, move.offsets});
  }
  return letters;
}

ContactClearance Halved(ContactClearance clearance) {
  clearance.distance /= 2.0f;
  for (float& value : clearance.lift) value /= 2.0f;
  return clearance;
}

}  // namespace

// Between every two letters of the words the way found is clear at every sample, and
// half its lift would not do; a straight way is said to need nothing only when it is
// clear. City and box have letters whose own approach is blocked (the British and
// Indonesian T, the Indonesian O): both hands open the gap.
TEST(ContactClearance, EachWayBetweenLettersIsClearAndItsLiftNoLongerThanNeeded) {
  const struct {
    SystemId system;
    const char* file;
  } alphabets[] = {{SystemId::BritishTwoHanded, "PositionBSL.csv"},
                   {SystemId::IndonesianTwoHanded, "PositionINA.csv"}};
  int lifted = 0;
  QStringList unclearable;
  for (const auto& alphabet : alphabets) {
    const auto table = LoadShippedTable(QLatin1String(alphabet.file), 2);
    for (const char* word : {"hello", "bookkeeper", "quiz", "kopi", "jazz", "city", "box"}) {
      const auto letters = ContactsOfLetters(*table, alphabet.system, QLatin1String(word));
      for (size_t i = 0; i + 1 < letters.size(); ++i) {
        const KeyFrameTarget& from = letters[i].back();
        const KeyFrameTarget& to = letters[i + 1].front();
        SCOPED_TRACE(testing::Message() << alphabet.file << " " << word << " letters " << i << ", " << i + 1);
        const std::optional<ContactClearance> clearance = FindContactClearance(*table, from, to);
        if (!clearance) {
          // The Indonesian O's fingers ring the other hand's: no lift alone parts them.
          unclearable << QStringLiteral("%1 %2 %3").arg(QLatin1String(alphabet.file), QLatin1String(word)).arg(i);
          continue;
        }
        EXPECT_EQ(WayIsClear(*table, {from, to}), !clearance->Needed());
        EXPECT_TRUE(WayIsClear(*table, ClearedWay(from, to, *clearance)));
        if (!clearance->Needed()) continue;
        ++lifted;
        EXPECT_GT(clearance->distance, 0.0f);
        EXPECT_LE(clearance->distance, kLongestLift);
        // Half a lift within the search's resolution may clear too.
        if (clearance->distance >= 2.0f * kLiftResolution) {
          EXPECT_FALSE(WayIsClear(*table, ClearedWay(from, to, Halved(*clearance)))) << clearance->distance;
        }
      }
    }
  }
  EXPECT_GT(lifted, 0);
  EXPECT_EQ(unclearable, QStringList{QStringLiteral("PositionINA.csv box 1")});
}

// A one-handed table has no other hand to pass through; a target outside the table
// gives no way at all.
TEST(ContactClearance, NeedsNothingWithOneHandAndCannotGoToAMissingFrame) {
  const auto american = LoadShippedTable(QStringLiteral("PositionASL.csv"), 1);
  const std::optional<ContactClearance> one = FindContactClearance(*american, {1, 0, {}}, {2, 0, {}});
  ASSERT_TRUE(one.has_value());
  EXPECT_FALSE(one->Needed());

  const auto british = LoadShippedTable(QStringLiteral("PositionBSL.csv"), 2);
  EXPECT_FALSE(FindContactClearance(*british, {1, 1, {}}, {1, 3, {}}).has_value());
  EXPECT_FALSE(FindContactClearance(*british, {300, 0, {}}, {1, 1, {}}).has_value());
  EXPECT_FALSE(WayIsClear(*british, {{1, 1, {}}, {1, 3, {}}}));
}
