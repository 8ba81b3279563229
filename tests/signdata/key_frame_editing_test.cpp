#include "signdata/key_frame_boxes.h"
#include "signdata/key_frame_editing.h"
#include "signdata/key_frame_lint.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A key frame told apart from others by its rate.
KeyFrame Marked(float mark) {
  KeyFrame frame = BlankKeyFrame();
  frame.Rate = mark;
  return frame;
}

// A two-hand table whose sign 1 has key frames marked 1, 2, 3, 4 (A, B, C, D).
std::unique_ptr<SignTable> FourFrameTable() {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(2));
  for (int sign = 0; sign < 3; ++sign) {
    table->Signs[sign].FrameCount = 1;
    table->Signs[sign].Frames = {Marked(0.5f)};
  }
  table->Signs[1].FrameCount = 4;
  table->Signs[1].Frames = {Marked(1), Marked(2), Marked(3), Marked(4)};
  table->SignCount = 3;
  return table;
}

std::vector<float> Marks(const SignTable& table, int sign) {
  std::vector<float> marks;
  for (int f = 0; f < table.KeyFrameCount(sign); ++f) marks.push_back(table.Frame(sign, f).Rate);
  return marks;
}

}  // namespace

TEST(KeyFrameEditing, FrameNumbersAreReadLenientlyAndCheckedAgainstTheSign) {
  const auto table = FourFrameTable();
  struct Case {
    const char* text;
    int sign;
    int frame;  // -1: "Frame Number exceeds"
  } cases[] = {
      {"1", 1, 0},    {" 4 ", 1, 3},   {"2abc", 1, 1}, {"2.5", 1, 1},  {"3.5", 1, 3},
      {"5", 1, -1},   {"0", 1, -1},    {"-2", 1, -1},  {"abc", 1, -1}, {"99999", 1, -1},
      {"1", 200, -1}, {"2", 0, -1},    {"1", -1, -1},
  };
  for (const Case& c : cases) {
    const EditOutcome outcome = FrameOfText(*table, c.sign, c.text);
    if (c.frame < 0) {
      EXPECT_EQ(outcome.message, kFrameNumberExceedsMessage) << c.text;
    } else {
      EXPECT_TRUE(outcome.Ok()) << c.text;
      EXPECT_EQ(outcome.index, c.frame) << c.text;
    }
  }
}

TEST(KeyFrameEditing, DeletingMovesLaterKeyFramesDownAndNamesTheOneToShow) {
  auto table = FourFrameTable();
  EditOutcome shown = DeleteKeyFrame(*table, 1, 0);
  EXPECT_EQ(Marks(*table, 1), (std::vector<float>{2, 3, 4}));
  EXPECT_EQ(shown.index, 0);

  // The last key frame gone: the new last one is shown.
  shown = DeleteKeyFrame(*table, 1, 2);
  EXPECT_EQ(Marks(*table, 1), (std::vector<float>{2, 3}));
  EXPECT_EQ(shown.index, 1);
  EXPECT_EQ(table->Signs[1].FrameCount, 2);

  EXPECT_EQ(DeleteKeyFrame(*table, 1, 2).message, kFrameNumberExceedsMessage);
  EXPECT_EQ(DeleteKeyFrame(*table, 1, -1).message, kFrameNumberExceedsMessage);
  EXPECT_EQ(DeleteKeyFrame(*table, 0, 0).message, kCannotDeleteMessage);
  EXPECT_EQ(Marks(*table, 0), (std::vector<float>{0.5f}));
  EXPECT_EQ(Marks(*table, 1), (std::vector<float>{2, 3}));
}

TEST(KeyFrameEditing, AppendedKeyFramesAreBlankAndStoringTouchesOnlyTheTablesHands) {
  auto table = FourFrameTable();
  const EditOutcome added = AppendKeyFrame(*table, 1);
  EXPECT_EQ(added.index, 4);
  EXPECT_EQ(table->Signs[1].FrameCount, 5);
  EXPECT_EQ(table->Frame(1, 4), BlankKeyFrame());
  EXPECT_EQ(BlankKeyFrame().Rate, 1.0f);
  EXPECT_EQ(AppendKeyFrame(*table, kSignSlots).message, kFrameNumberExceedsMessage);

  KeyFrame values = BlankKeyFrame();
  values.Rate = 2.5f;
  values.RightFinger[44] = 7;
  values.LeftWristPos[2] = 9;
  KeyFrame stored = values;
  values.RightFinger[45] = 99;  // not part of a pose: never stored
  ASSERT_TRUE(StoreKeyFrame(*table, 1, 4, values).Ok());
  EXPECT_EQ(table->Frame(1, 4), stored);
  EXPECT_EQ(StoreKeyFrame(*table, 1, 5, values).message, kFrameNumberExceedsMessage);

  // One hand: the left-hand values of the key frame stay as they were.
  table->SetHands(1);
  table->Signs[2].Frames[0].LeftWristPos[2] = 3;
  ASSERT_TRUE(StoreKeyFrame(*table, 2, 0, values).Ok());
  EXPECT_EQ(table->Frame(2, 0).LeftWristPos[2], 3);
  EXPECT_EQ(table->Frame(2, 0).RightFinger[44], 7);
}

TEST(KeyFrameEditing, NewSignsTakeTheNextSlotUntilAll257AreUsed) {
  auto table = FourFrameTable();
  table->Signs[3].FrameCount = 2;  // left over from another system
  table->Signs[3].Frames = {Marked(8), Marked(9)};
  const EditOutcome slot = AddSign(*table, QStringLiteral("Zed"));
  EXPECT_EQ(slot.index, 3);
  EXPECT_EQ(table->SignCount, 4);
  EXPECT_EQ(table->Signs[3].Name, QStringLiteral("Zed       "));
  EXPECT_EQ(Marks(*table, 3), (std::vector<float>{1}));

  table->SignCount = kSignSlots;
  const SignTable before = *table;
  EXPECT_EQ(AddSign(*table, kUnnamedSign).message, kNoFreeSignSlotMessage);
  EXPECT_TRUE(*table == before);

  for (const char* good : {"*", "", "0123456789", "ä"}) EXPECT_TRUE(IsValidSignName(good)) << good;
  for (const char* bad : {"a,b", "say \"x\"", "a\nb", "a\rb", "01234567890"})
    EXPECT_FALSE(IsValidSignName(bad)) << bad;
}

TEST(KeyFrameEditing, CopyPreviewChecksTheSignThenTheFrame) {
  const auto table = FourFrameTable();
  EXPECT_EQ(CopyPreviewFrame(*table, 1, "3").index, 2);
  EXPECT_EQ(CopyPreviewFrame(*table, 1, "5").message, kCopyFrameExceedsMessage);
  EXPECT_EQ(CopyPreviewFrame(*table, 1, "0").message, kCopyFrameExceedsMessage);
  EXPECT_EQ(CopyPreviewFrame(*table, 3, "1").message, kChannelExceedsMessage);
}

TEST(KeyFrameBoxes, NamesFollowTheLabelsCountingFromOne) {
  struct Case {
    ValueBoxId box;
    const char* name;
  } cases[] = {
      {{0, BoxGroup::WristAngle, 0}, "Right Wrist Angle 1"},
      {{0, BoxGroup::WristPosition, 2}, "Right Wrist Position 3"},
      {{1, BoxGroup::Finger, 12}, "Left Index finger column 2 row 1"},
      {{0, BoxGroup::Finger, 0}, "Right Thumb column 1 row 1"},
      {{0, BoxGroup::Finger, 44}, "Right Little finger column 3 row 3"},
      {{1, BoxGroup::Finger, 29}, "Left Digitus finger column 1 row 3"},
  };
  for (const Case& c : cases) EXPECT_EQ(BoxName(c.box), c.name);

  // Each box holds its own value: every name and every value slot once.
  KeyFrame frame;
  QStringList names;
  for (int hand = 0; hand < 2; ++hand)
    for (const ValueBoxId& box : HandBoxes(hand)) {
      EXPECT_EQ(ValueOf(frame, box), 0.0f) << BoxName(box).toStdString();
      ValueOf(frame, box) = 1.0f;
      names << BoxName(box);
    }
  EXPECT_EQ(names.size(), 102);
  EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(KeyFrameBoxes, TextIsReadLenientlyButABoxWithoutANumberIsNamed) {
  auto text = [](QString finger12) {
    return [finger12](const ValueBoxId& box) {
      return box.group == BoxGroup::Finger && box.index == 12 ? finger12 : QStringLiteral("0");
    };
  };
  KeyFrame frame = BlankKeyFrame();
  const QString rate = QStringLiteral(" 2 x");
  EXPECT_EQ(ReadBoxesInto(frame, 2, text(QStringLiteral(" 12.5deg")), &rate), QString());
  EXPECT_EQ(frame.RightFinger[12], 12.5f);
  EXPECT_EQ(frame.LeftFinger[12], 12.5f);
  EXPECT_EQ(frame.Rate, 2.0f);

  for (const char* bad : {"", "abc", "-", "1e999"}) {
    KeyFrame untouched = frame;
    EXPECT_EQ(ReadBoxesInto(untouched, 1, text(QString::fromLatin1(bad))),
              QStringLiteral("Right Index finger column 2 row 1 is not a number"))
        << bad;
    EXPECT_EQ(untouched, frame);
  }
  const QString noRate = QStringLiteral("fast");
  EXPECT_EQ(ReadBoxesInto(frame, 1, text(QStringLiteral("1")), &noRate),
            QStringLiteral("Velocity rate is not a number"));

  EXPECT_EQ(SteppedValueText(QStringLiteral("35"), 1), QStringLiteral("36"));
  EXPECT_EQ(SteppedValueText(QStringLiteral("-0.5"), -10), QStringLiteral("-10.5"));
  EXPECT_EQ(SteppedValueText(QStringLiteral("abc"), 1), QStringLiteral("1"));
}

TEST(KeyFrameLint, AStoredKeyFrameIsDescribedInALearnersWords) {
  KeyFrame clean = BlankKeyFrame();
  clean.RightFinger[0] = -50.0f;  // the thumb out of the index finger's way
  EXPECT_EQ(KeyFrameProblemText(clean, 1), QString());

  KeyFrame curled = clean;
  for (int joint = 0; joint < 3; ++joint) curled.RightFinger[9 * 2 + 3 * joint + 1] = 90.0f;
  const QString text = KeyFrameProblemText(curled, 1);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Middle finger tip segment passes through the palm")))
      << text.toStdString();

  // With two hands the side is named; the left hand stands well clear.
  curled.LeftFinger = clean.RightFinger;
  curled.LeftWristPos[1] = 200.0f;
  EXPECT_TRUE(KeyFrameProblemText(curled, 2).startsWith(QStringLiteral("Right middle finger tip segment")))
      << KeyFrameProblemText(curled, 2).toStdString();
}
