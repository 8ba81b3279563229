#include "convert/alphabet_system.h"

#include "support/converter_bench.h"

namespace {

using enum SystemId;

class AlphabetSystemTest : public ConverterBench {
 protected:
  void UseSystem(SystemId system) { signs.LangSet(system); }
};

}  // namespace

TEST_F(AlphabetSystemTest, LettersBecomeShapesOneToTwentySixAndDoubledLettersAreMarked) {
  UseSystem(American);
  EXPECT_TRUE(signs.Text("HELLO"));  // "hello" itself: the golden traces
  EXPECT_EQ(Sequence(), Steps({{8, 0}, {5, 0}, {12, 16}, {12, 128}, {15, 0}}));
  EXPECT_TRUE(signs.Text("a b"));
  EXPECT_EQ(Sequence(), Steps({{1, 0}, {2, 0}}));
  EXPECT_TRUE(signs.Text("Az"));
  EXPECT_EQ(Sequence(), Steps({{1, 0}, {26, 0}}));
  // A run of three or more: 16 on the first, 128 on all the others.
  EXPECT_TRUE(signs.Text("zzzz"));
  EXPECT_EQ(Sequence(), Steps({{26, 16}, {26, 128}, {26, 128}, {26, 128}}));
  // Equal letters apart from each other are not doubled, but skipped characters do
  // not keep letters apart.
  EXPECT_TRUE(signs.Text("lol"));
  EXPECT_EQ(Sequence(), Steps({{12, 0}, {15, 0}, {12, 0}}));
  EXPECT_TRUE(signs.Text("l-l"));
  EXPECT_EQ(Sequence(), Steps({{12, 16}, {12, 128}}));
}

TEST_F(AlphabetSystemTest, OnlyAslSpellsTWithItsOwnShape) {
  UseSystem(American);
  EXPECT_TRUE(signs.Text("Tt"));
  EXPECT_EQ(Sequence(), Steps({{27, 16}, {27, 128}}));
  for (const SystemId system : {BritishTwoHanded, IndonesianTwoHanded, DerivedAmerican}) {
    UseSystem(system);
    EXPECT_TRUE(signs.Text("Tt"));
    EXPECT_EQ(Sequence(), Steps({{20, 16}, {20, 128}})) << SystemNumber(system);
  }
}

TEST_F(AlphabetSystemTest, EverythingButTheLettersAToZIsSkippedAndNeverFails) {
  UseSystem(BritishTwoHanded);
  EXPECT_TRUE(signs.Text("12 ,.!?"));
  EXPECT_EQ(static_cast<int>(Sequence().size()), 0);
  EXPECT_TRUE(signs.Text(""));
  EXPECT_EQ(static_cast<int>(Sequence().size()), 0);
  // Accented and non-Latin letters, including those whose capital is a plain Latin
  // letter (dotless i, long s, the Kelvin sign), are not letters of the alphabet.
  EXPECT_TRUE(signs.Text(QString::fromUtf8("Éaıſ\u212Aßb")));
  EXPECT_EQ(Sequence(), Steps({{1, 0}, {2, 0}}));
}

// The bounce and the slide of a doubled letter of one frame, about y for a hand held
// upright and about x for one turned about its length, are pinned by the golden traces
// ("hello", "anna", "bookkeeper" in ASL and BSL); these are the rules the shipped
// shapes do not reach.
TEST_F(AlphabetSystemTest, TheSlideAddsUpOverKeyFramesAndRunsButAShapeOfSeveralFramesDoesNotBounce) {
  UseSystem(American);
  PutPlainShapes(1, 27);
  Put(10, {Frame(1.0f), Frame(0.5f), Frame(0.25f)});
  signs.Text("JJJA");
  EXPECT_EQ(Sequence(), Steps({{10, 16}, {10, 128}, {10, 128}, {1, 0}}));
  signs.StartRoutine(40);
  std::vector<std::string> expected = {"SetHandPose 0 0"};
  const int steps[] = {100, 50, 25};
  float slide = 0.0f;
  for (int entry = 0; entry < 3; ++entry) {
    for (int k = 0; k < 3; ++k) {
      if (entry > 0) slide -= 20.0f;
      expected.push_back(Shifted(10, k, {{kRightWristPosY, slide}, {kLeftWristPosY, slide}}));
      expected.push_back(RedrawLine(steps[k]));
    }
  }
  // The first letter of another kind starts from no slide again.
  expected.push_back(Shifted(1, 0));
  expected.push_back(RedrawLine(100));
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(slide, -120.0f);
}

TEST_F(AlphabetSystemTest, AHandHangingBelowMinus80IsTheStillHandOfATwoHandShape) {
  Put(0, {Frame()});
  Put(12, {Frame(1.0f, 0.0f, -90.0f)});   // L: the left hand hangs low
  Put(13, {Frame(1.0f, -90.0f, 0.0f)});   // M: the right hand hangs low
  Put(14, {Frame(1.0f, -80.0f, -80.0f)}); // N: exactly -80 is not low
  Put(16, {Frame(1.0f, -90.0f, -90.0f)}); // P: both low: the right hand slides alone
  // The calls of the first bounce, the slide and the bounce on the slide, where the
  // right and the left wrist end sideways, and the hand that never moves (if any).
  const struct {
    SystemId system;
    const char* word;
    std::string bounce, slide, slidBounce;
    float rightEnd, leftEnd;
    int stillHand;
  } cases[] = {
      {BritishTwoHanded, "ll", Shifted(12, 0, {{kRightWristAngleY, 10}}), Shifted(12, 0, {{kRightWristPosY, -20}}),
       Shifted(12, 0, {{kRightWristAngleY, 10}, {kRightWristPosY, -20}}), -20, 0, 1},
      {BritishTwoHanded, "mm", Shifted(13, 0, {{kLeftWristAngleY, 10}}), Shifted(13, 0, {{kLeftWristPosY, -20}}),
       Shifted(13, 0, {{kLeftWristAngleY, 10}, {kLeftWristPosY, -20}}), 0, -20, 0},
      {BritishTwoHanded, "nn", Shifted(14, 0, {{kRightWristAngleY, 10}, {kLeftWristAngleY, 10}}),
       Shifted(14, 0, {{kRightWristPosY, -20}, {kLeftWristPosY, -20}}),
       Shifted(14, 0, {{kRightWristAngleY, 10}, {kRightWristPosY, -20}, {kLeftWristAngleY, 10},
                       {kLeftWristPosY, -20}}), -20, -20, -1},
      {BritishTwoHanded, "pp", Shifted(16, 0), Shifted(16, 0, {{kRightWristPosY, -20}}),
       Shifted(16, 0, {{kRightWristPosY, -20}}), -20, 0, 1},
      // A one-hand system knows no still hand: both wrists' offsets move the one hand.
      {American, "pp", Shifted(16, 0, {{kRightWristAngleY, 10}, {kLeftWristAngleY, 10}}),
       Shifted(16, 0, {{kRightWristPosY, -20}, {kLeftWristPosY, -20}}),
       Shifted(16, 0, {{kRightWristAngleY, 10}, {kRightWristPosY, -20}, {kLeftWristAngleY, 10},
                       {kLeftWristPosY, -20}}), -20, 0, -1},
  };
  for (const auto& c : cases) {
    UseHands(c.system == American ? 1 : 2);
    UseSystem(c.system);
    area.pictures.clear();
    signs.Text(c.word);
    signs.StartRoutine(40);
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 13u) << c.word << SystemNumber(c.system);
    EXPECT_EQ(calls[3], c.bounce) << c.word << SystemNumber(c.system);
    EXPECT_EQ(calls[7], c.slide) << c.word << SystemNumber(c.system);
    EXPECT_EQ(calls[9], c.slidBounce) << c.word << SystemNumber(c.system);
    EXPECT_EQ(area.pictures.back().right[1], c.rightEnd) << c.word << SystemNumber(c.system);
    EXPECT_EQ(area.pictures.back().left[1], c.leftEnd) << c.word << SystemNumber(c.system);
    if (c.stillHand < 0) continue;
    for (const FakeDrawingArea::Picture& p : area.pictures) {
      const FakeDrawingArea::Wrist& still = c.stillHand == 0 ? p.right : p.left;
      EXPECT_EQ(still[1], 0.0f) << c.word << SystemNumber(c.system);
      EXPECT_EQ(still[4], 0.0f) << c.word << SystemNumber(c.system);
    }
  }
}

TEST_F(AlphabetSystemTest, AShapeMissingFromTheTableIsPassedOver) {
  UseSystem(American);
  Put(0, {Frame()});
  Put(1, {Frame()});
  signs.Text("abba");
  signs.StartRoutine(40);
  const std::vector<std::string> expected = {"SetHandPose 0 0", Shifted(1, 0), RedrawLine(100),
                                             Shifted(1, 0), RedrawLine(100)};
  EXPECT_EQ(Calls(), expected);
}
