#include "signdata/shape_authoring.h"

#include "signdata/sign_table.h"
#include "hand/hand.h"
#include "hand/hand_landmarks.h"
#include "signdata/key_frame_pose.h"
#include "support/file_contents.h"

#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const char* const kVocabulary =
    "# finger, thumb and wrist states\n"
    "finger straight flex 0 0 0\n"
    "finger curled flex 90 80 30\n"
    "finger curled for middle flex 90 70 20\n"
    "finger apart spread -9 twist 2\n"
    "thumb side joints 1 2 3 4 5 6 7 8 9\n"
    "wrist front at 0 0 -20\n"
    "wrist tilt turn 10 20 30\n"
    "shape fist fingers=curled thumb=side wrist=front\n";

ShapeAuthoringResult Parse(const QString& signs, const QString& header = "hands 1\n") {
  return ParseShapeAuthoring(header + kVocabulary + signs);
}

}  // namespace

TEST(ShapeAuthoring, BuildsKeyFramesFromNamedStates) {
  const auto result = Parse(
      "sign 0 Rest\n"
      "frame fingers=straight wrist=front\n"
      "sign 1 \"T (ASL)\"\n"
      "frame shape=fist index=straight+apart \\\n"
      "      rate=0.5\n"
      "frame wrist=front+tilt\n");
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  const AuthoredShapes& shapes = result.shapes;
  EXPECT_EQ(shapes.HandCount, 1);
  EXPECT_EQ(shapes.SignCount, 2);
  const SignRecord& t = (*shapes.Table)[1];
  EXPECT_EQ(t.Name, "T (ASL)   ");
  ASSERT_EQ(t.FrameCount, 2);
  const KeyFrame& first = t.Frames[0];
  EXPECT_EQ(first.Rate, 0.5f);
  // Thumb values in file order; flex is component 1 of each joint.
  for (int k = 0; k < 9; ++k) EXPECT_EQ(first.RightFinger[k], k + 1.0f);
  EXPECT_EQ(first.RightFinger[9 + 0], -9.0f);  // index: spread and twist, no flex
  EXPECT_EQ(first.RightFinger[9 + 1], 0.0f);
  EXPECT_EQ(first.RightFinger[9 + 2], 2.0f);
  EXPECT_EQ(first.RightFinger[18 + 1], 90.0f);  // the middle finger's own curl
  EXPECT_EQ(first.RightFinger[18 + 4], 70.0f);
  EXPECT_EQ(first.RightFinger[27 + 4], 80.0f);  // ring: the shared curl
  EXPECT_EQ(first.RightWristPos[2], -20.0f);
  // A later frame starts from the one before it and only changes what it names;
  // its rate is 1 again.
  const KeyFrame& second = t.Frames[1];
  EXPECT_EQ(second.Rate, 1.0f);
  EXPECT_EQ(second.RightFinger, first.RightFinger);
  EXPECT_EQ(second.RightWristAngle[2], 30.0f);
  EXPECT_EQ(second.RightWristPos[2], -20.0f);
  EXPECT_EQ(second.LeftFinger, KeyFrame{}.LeftFinger);
}

TEST(ShapeAuthoring, FillsTheSecondHandOnlyForTwoHands) {
  const auto two = Parse("sign 0 Rest\nframe shape=fist left.shape=fist left.wrist=tilt\n", "hands 2\n");
  ASSERT_TRUE(two.ok) << two.error.toStdString();
  const KeyFrame& k = (*two.shapes.Table)[0].Frames[0];
  EXPECT_EQ(k.LeftFinger[0], 1.0f);
  EXPECT_EQ(k.LeftWristAngle[1], 20.0f);
  EXPECT_EQ(k.RightWristAngle[1], 0.0f);
  EXPECT_EQ(k.RightWristPos[2], -20.0f);

  const auto one = Parse("sign 0 Rest\nframe left.thumb=side\n");
  EXPECT_FALSE(one.ok);
  EXPECT_EQ(one.error, "line 12: 'left.' needs 'hands 2'");
}

TEST(ShapeAuthoring, ReportsTheLineOfEveryMistake) {
  auto error = [](const QString& signs) { return Parse(signs).error.toStdString(); };
  EXPECT_EQ(error("sign 0 A\nframe index=curle\n"), "line 12: unknown finger state 'curle'");
  EXPECT_EQ(error("sign 0 A\nframe thumb=curled\n"), "line 12: unknown thumb state 'curled'");
  EXPECT_EQ(error("sign 0 A\nframe index\n"), "line 12: 'index' is not KEY=VALUE");
  EXPECT_EQ(error("sign 0 A\nframe elbow=front\n"), "line 12: unknown key 'elbow'");
  EXPECT_EQ(error("sign 0 A\nframe rate=fast\n"), "line 12: 'fast' is not a number");
  EXPECT_EQ(error("frame shape=fist\n"), "line 11: a frame must follow a sign");
  EXPECT_EQ(error("sign 0 A\nsign 1 B\nframe shape=fist\n"), "line 11: sign 0 has no frame");
  EXPECT_EQ(error("sign 0 A\nframe shape=fist\nsign 0 B\nframe shape=fist\n"), "line 13: slot 0 is given twice");
  EXPECT_EQ(error("sign 257 A\n"), "line 11: slot '257' is not 0..256");
  EXPECT_EQ(error("sign 0 ABCDEFGHIJK\n"), "line 11: name 'ABCDEFGHIJK' is longer than 10 characters");
  EXPECT_EQ(error("sign 0 \"A\n"), "line 11: a quote is not closed");
  EXPECT_EQ(error("sign 0 A\nframe shape=fist \\"), "line 12: the file ends inside a continued line");
  EXPECT_EQ(error("sign 1 A\nframe shape=fist\n"), "slot 0 has no sign, but slot 1 has");
  EXPECT_EQ(error(""), "no sign is given");
  EXPECT_EQ(error("finger curled flex 1 2 3\n"), "line 11: finger state 'curled' is defined twice");
  EXPECT_EQ(error("finger bent flex 1 2\n"), "line 11: 'flex' takes 3 numbers");
  EXPECT_EQ(error("hands 2\n"), "line 11: 'hands' must come once, before the signs");
  // No joint or wrist can take a value that is no number, whether written so or summed.
  EXPECT_EQ(error("finger odd flex nan 0 0\n"), "line 11: 'nan' is not a number");
  EXPECT_EQ(error("wrist odd at 0 -inf 0\n"), "line 11: '-inf' is not a number");
  EXPECT_EQ(error("sign 0 A\nframe rate=inf\n"), "line 12: 'inf' is not a number");
  EXPECT_EQ(error("finger huge flex 3e38 0 0\nsign 0 A\nframe index=huge+huge\n"),
            "line 13: the frame's values add up beyond the range of a number");
  EXPECT_EQ(error("wrist far at 3e38 0 0\nsign 0 A\nframe wrist=far+far\n"),
            "line 13: the frame's values add up beyond the range of a number");
  EXPECT_EQ(error("finger odd flex " + QString(5000, u'1') + "x 0 0\n"),
            "line 11: '" + QString(20, u'1').toStdString() + "\u2026' is not a number");
}

TEST(ShapeAuthoring, IncludesSharedStatesFromAnotherFile) {
  const QHash<QString, QString> files = {
      {"states.shapes", "finger straight flex 0 0 0\ninclude more.shapes\n"},
      {"more.shapes", "thumb out spread -50\nshape flat fingers=straight thumb=out\n"},
      {"loop.shapes", "include loop.shapes\n"},
      {"signs.shapes", "finger straight flex 0 0 0\n\nsign 0 A\n"},
      {"broken.shapes", "finger bent flex 90 0\n"},
  };
  auto reader = [&files](const QString& name) -> std::optional<QString> {
    if (!files.contains(name)) return std::nullopt;
    return files.value(name);
  };
  const auto result = ParseShapeAuthoring("hands 1\ninclude states.shapes\nsign 0 Rest\nframe shape=flat\n", reader);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_EQ((*result.shapes.Table)[0].Frames[0].RightFinger[0], -50.0f);

  auto error = [&reader](const QString& text) {
    return ParseShapeAuthoring("hands 1\n" + text + "sign 0 A\nframe fingers=straight\n", reader).error.toStdString();
  };
  EXPECT_EQ(error("include missing.shapes\n"), "line 2: cannot read 'missing.shapes'");
  EXPECT_EQ(error("include loop.shapes\n"), "loop.shapes line 1: 'loop.shapes' includes itself");
  EXPECT_EQ(error("include signs.shapes\n"), "signs.shapes line 3: an included file holds states and shapes only");
  EXPECT_EQ(error("include broken.shapes\n"), "broken.shapes line 1: 'flex' takes 3 numbers");
  EXPECT_EQ(error("include a b\n"), "line 2: 'include' takes one file name");
  // Without a reader nothing can be included; after the signs nothing may be.
  EXPECT_EQ(ParseShapeAuthoring("include states.shapes\n").error, "line 1: cannot read 'states.shapes'");
  EXPECT_EQ(error("finger straight flex 0 0 0\nsign 0 A\nframe fingers=straight\ninclude more.shapes\n"),
            "line 5: 'include' must come before the signs");
  // Line numbers after an include are those of the including file.
  EXPECT_EQ(error("include states.shapes\nfinger x flex 1\n"), "line 3: 'flex' takes 3 numbers");

  // From a file, includes are read beside it.
  QTemporaryDir dir;
  for (const QString& name : {QStringLiteral("states.shapes"), QStringLiteral("more.shapes")})
    ASSERT_TRUE(WriteFileContents(dir.filePath(name), files.value(name).toUtf8()));
  ASSERT_TRUE(WriteFileContents(dir.filePath("main.shapes"),
                                "hands 1\ninclude states.shapes\nsign 0 Rest\nframe shape=flat\n"));
  EXPECT_TRUE(ParseShapeAuthoringFile(dir.filePath("main.shapes")).ok);
  EXPECT_EQ(ParseShapeAuthoringFile(dir.filePath("none.shapes")).error, "cannot open it");
}

namespace {

// The pose of one hand of key frame k, for asking where its points lie.
std::unique_ptr<Hand> HandOf(const KeyFrame& k, int h) {
  auto hand = std::make_unique<Hand>();
  PoseHandBetween(*hand, k, k, h, 0.0f);
  return hand;
}

float Distance(const std::optional<Vec3>& a, const std::optional<Vec3>& b) {
  if (!a || !b) return -1.0f;
  return std::hypot(a->x - b->x, a->y - b->y, a->z - b->z);
}

}  // namespace

TEST(ShapeAuthoring, PlacesOneHandSoThatTwoPointsMeet) {
  const QString header =
      "hands 2\n"
      "wrist gap at 0 -8 0\n"
      "wrist far at 0 100 40\n"
      "wrist tilted turn 30 0 90 at 0 -60 0\n";
  const auto result = Parse(
      "sign 0 Rest\n"
      "frame shape=fist wrist=tilted index=straight left.fingers=straight left.wrist=far \\\n"
      "      place=index@middle\n"
      "frame place=index@middle+gap+gap\n"
      "frame left.place=palm@thumb\n",
      header);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  const SignRecord& rest = (*result.shapes.Table)[0];
  ASSERT_EQ(rest.FrameCount, 3);

  // The right wrist moved, keeping its turn; the left hand stayed where it was put.
  const KeyFrame& first = rest.Frames[0];
  EXPECT_EQ(first.RightWristAngle[2], 90.0f);
  EXPECT_EQ(first.LeftWristPos[1], 100.0f);
  EXPECT_NEAR(Distance(HandLandmark(*HandOf(first, 0), "index"), HandLandmark(*HandOf(first, 1), "middle")), 0.0f, 1e-3f);

  // Offsets add up after the points meet.
  const KeyFrame& second = rest.Frames[1];
  EXPECT_NEAR(second.RightWristPos[1], first.RightWristPos[1] - 16.0f, 1e-3f);
  EXPECT_NEAR(second.RightWristPos[2], first.RightWristPos[2], 1e-3f);

  // left.place moves the left hand onto the right one.
  const KeyFrame& third = rest.Frames[2];
  EXPECT_EQ(third.RightWristPos, second.RightWristPos);
  EXPECT_NEAR(Distance(HandLandmark(*HandOf(third, 1), "palm"), HandLandmark(*HandOf(third, 0), "thumb")), 0.0f, 1e-3f);

  auto error = [&header](const QString& signs, const QString& hands = QString()) {
    return Parse(signs, hands.isEmpty() ? header : hands).error.toStdString();
  };
  EXPECT_EQ(error("sign 0 A\nframe place=index@middle\n", "hands 1\n"), "line 12: 'place' needs 'hands 2'");
  EXPECT_EQ(error("sign 0 A\nframe place=index\n"), "line 15: place takes FROM@TO, not 'index'");
  EXPECT_EQ(error("sign 0 A\nframe place=index@pinky\n"), "line 15: unknown point 'pinky'");
  EXPECT_EQ(error("sign 0 A\nframe place=index.4@middle\n"), "line 15: unknown point 'index.4'");
  EXPECT_EQ(error("sign 0 A\nframe place=index@middle+nowhere\n"), "line 15: unknown wrist state 'nowhere'");
  EXPECT_EQ(error("shape touch place=index@middle\n"),
            "line 14: a shape describes one hand; rate, place and left. belong to frames");
}

// Twelve levels of shapes, each naming the one below ten times, would expand 10^12
// times if each use were expanded afresh; as would files that include the next one ten
// times. Both must end at once with the same result as a flat description.
TEST(ShapeAuthoring, DeeplyNestedShapesAndRepeatedIncludesCostLittle) {
  QString nested = "shape s0 fingers=curled wrist=front\n";
  QString includes = "hands 1\ninclude f1\n";
  QHash<QString, QString> files;
  for (int level = 1; level <= 12; ++level) {
    nested += QStringLiteral("shape s%1 shape=").arg(level) +
              QStringList(10, QStringLiteral("s%1").arg(level - 1)).join(u'+') + "\n";
    files.insert(QStringLiteral("f%1").arg(level),
                 level == 12 ? QStringLiteral("# the end\n")
                             : QString(QStringLiteral("include f%1\n").arg(level + 1)).repeated(10));
  }
  const auto deep = Parse(nested + "sign 0 A\nframe shape=s12 thumb=side\n");
  ASSERT_TRUE(deep.ok) << deep.error.toStdString();
  const auto flat = Parse("sign 0 A\nframe fingers=curled wrist=front thumb=side\n");
  ASSERT_TRUE(flat.ok);
  EXPECT_EQ((*deep.shapes.Table)[0].Frames, (*flat.shapes.Table)[0].Frames);

  const auto reader = [&files](const QString& name) -> std::optional<QString> { return files.value(name); };
  const auto included = ParseShapeAuthoring(includes + kVocabulary + "sign 0 A\nframe shape=fist\n", reader);
  EXPECT_TRUE(included.ok) << included.error.toStdString();
}
