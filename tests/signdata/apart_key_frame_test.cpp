// The apart frames of the shipped two-handed alphabets, told from what the tables hold.

#include "signdata/apart_key_frame.h"

#include "support/shipped_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

struct Expected {
  int hand = 0;
  Vec3 offset;
};

constexpr Vec3 kApproach{30.0f, -90.0f, 30.0f};
constexpr Vec3 kApproachLeft{-30.0f, 90.0f, 30.0f};

}  // namespace

// Every two-handed contact letter has its first and last key frame apart, whether its
// ends are equal (most), differ in the contact they end on (the British H brushes, J
// draws) or come from above (V, Z); letters of one hand have none, however many key
// frames they move through (the Indonesian J, S and Z), and nor has any inner frame
// (Z's tap lifts off the palm and back).
TEST(ApartKeyFrame, TheFirstAndLastFramesOfEveryContactLetterAndNoOthers) {
  std::map<int, Expected> british;
  for (int sign = 1; sign <= 26; ++sign) british[sign] = {0, kApproach};
  british.erase(3);  // C, made with the right hand alone
  british[8] = {0, {30.0f, -100.0f, 130.0f}};
  british[22] = british[26] = {0, {30.0f, -70.0f, 90.0f}};

  std::map<int, Expected> indonesian;
  for (const char letter : std::string("ABDEFGHKOPQRWY")) indonesian[letter - 'A' + 1] = {1, kApproachLeft};
  for (const char letter : std::string("TX")) indonesian[letter - 'A' + 1] = {0, kApproach};

  const struct {
    const char* file;
    const std::map<int, Expected>& expected;
  } tables[] = {{"PositionBSL.csv", british}, {"PositionINA.csv", indonesian}};
  for (const auto& c : tables) {
    const auto table = LoadShippedTable(QLatin1String(c.file), 2);
    for (int sign = 0; sign < table->SignCount; ++sign) {
      const int frames = table->KeyFrameCount(sign);
      const auto expected = c.expected.find(sign);
      for (int frame = 0; frame < frames; ++frame) {
        SCOPED_TRACE(testing::Message() << c.file << " sign " << sign << " frame " << frame);
        const std::optional<ApartOffset> apart = ApartKeyFrameOffset(*table, sign, frame);
        const bool end = frame == 0 || frame == frames - 1;
        ASSERT_EQ(apart.has_value(), expected != c.expected.end() && end);
        EXPECT_EQ(IsApartKeyFrame(*table, sign, frame), apart.has_value());
        if (!apart) continue;
        EXPECT_EQ(apart->hand, expected->second.hand);
        EXPECT_NEAR(apart->offset.x, expected->second.offset.x, 0.01f);
        EXPECT_NEAR(apart->offset.y, expected->second.offset.y, 0.01f);
        EXPECT_NEAR(apart->offset.z, expected->second.offset.z, 0.01f);
        // The hands meet in the contact beside it.
        EXPECT_LE(HandsGap(table->Frame(sign, frame == 0 ? 1 : frames - 2)), kMeetingGap);
      }
    }
  }

  const auto american = LoadShippedTable(QStringLiteral("PositionASL.csv"), 1);
  for (int sign = 0; sign < american->SignCount; ++sign)
    for (int frame = 0; frame < american->KeyFrameCount(sign); ++frame)
      EXPECT_FALSE(IsApartKeyFrame(*american, sign, frame)) << sign << " " << frame;
}
