#include "playback/lifelike_motion.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "convert/word_choreography.h"
#include "hand/hand_interpenetration.h"
#include "hand/hand_volumes.h"
#include "hand/turn_interpolation.h"
#include "playback/drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "playback/script_timeline.h"
#include "support/shipped_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>
#include <vector>

namespace {

using enum SystemId;

// The values a picture shows of the main hand: the wrist's place and turn, then every
// joint angle.
using PoseValues = std::vector<float>;

PoseValues ValuesOf(const Hand& hand, bool target) {
  PoseValues values;
  for (int i = 0; i < 6; ++i) values.push_back(target ? hand.target_pose(i) : hand.pose(i));
  for (int f = 0; f < Hand::kUsedFingers; ++f)
    for (int s = 0; s < Hand::kUsedSegments; ++s)
      for (int a = 0; a < Hand::kUsedComponents; ++a)
        values.push_back(target ? hand.target_Arthro(f, s, a) : hand.Arthro(f, s, a));
  return values;
}

// Keeps what every picture showed of the main hand, and what it was moving to.
class PoseRecorder : public DrawingArea {
 public:
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene& scene) override {
    shown.push_back(ValuesOf(scene.hands[0], false));
    targets.push_back(ValuesOf(scene.hands[0], true));
  }
  bool SaveFrame(const QString&) override { return false; }

  std::vector<PoseValues> shown;
  std::vector<PoseValues> targets;
};

struct WordCase {
  SystemId system;
  QString file;
  int16_t numeralBase;
  QString text;
};

const std::vector<WordCase>& Words() {
  static const std::vector<WordCase> words{
      {BritishTwoHanded, "PositionBSL.csv", 46, "hello"},
      {IndonesianTwoHanded, "PositionINA.csv", 46, "kopi"},
      {American, "PositionASL.csv", 46, "bookkeeper"},
      {DerivedAmerican, "PositionASL.csv", 46, "jazz"},
      {JapaneseKana, "PositionJSL.csv", 46, QStringLiteral("ｱﾘｶﾞﾄｳ")},
      {KoreanHangul, "PositionKSL.csv", 41, QStringLiteral("한국")},
      {Numerals, "PositionJSL.csv", 46, "1984"},
  };
  return words;
}

struct PlayedWord {
  LetteredScript word;
  std::vector<PoseValues> shown;
  std::vector<PoseValues> targets;
};

PlayedWord Play(const WordCase& c, MotionStyle motion) {
  const auto table = LoadShippedTable(c.file, TableHandsOfSystem(c.system));
  const FingerspellingSystem& system = FindSystem(c.system);
  const ConversionResult converted = system.Convert(c.text, c.numeralBase);
  const SignSequence signs = std::get<Conversion>(converted).steps;
  PlayedWord played{ChoreographWord(system, *table, signs, 40, motion), {}, {}};
  PoseRecorder recorder;
  PlaybackEngine engine(*table, recorder);
  RunScript(engine, played.word.script);
  played.shown = std::move(recorder.shown);
  played.targets = std::move(recorder.targets);
  return played;
}

// The pictures each letter takes, in order.
std::vector<int> LetterPictures(const LetteredScript& word) {
  std::vector<int> pictures;
  for (size_t letter = 0; letter < word.letterStarts.size(); ++letter) {
    const size_t end = letter + 1 < word.letterStarts.size() ? static_cast<size_t>(word.letterStarts[letter + 1])
                                                             : word.script.size();
    int count = 0;
    for (size_t i = static_cast<size_t>(word.letterStarts[letter]); i < end; ++i)
      if (word.script[i].kind == Move::Kind::Redraw) count += PicturesOfRedraw(word.script[i].steps);
    pictures.push_back(count);
  }
  return pictures;
}

int PicturesBefore(const LetteredScript& word) {
  int count = 0;
  for (int i = 0; i < (word.letterStarts.empty() ? 0 : word.letterStarts.front()); ++i)
    if (word.script[static_cast<size_t>(i)].kind == Move::Kind::Redraw)
      count += PicturesOfRedraw(word.script[static_cast<size_t>(i)].steps);
  return count;
}

float Largest(const PoseValues& a, const PoseValues& b, size_t first, size_t last) {
  float largest = 0.0f;
  for (size_t i = first; i < last; ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
  return largest;
}

}  // namespace

// Every letter of a word of each system takes the time it took in the described
// motion, ends in its key-frame pose exactly and holds it for its share.
TEST(LifelikeMotionTest, EveryLetterKeepsItsTimeAndHoldsItsKeyFramePoseForItsShare) {
  for (const WordCase& c : Words()) {
    SCOPED_TRACE(c.text.toStdString());
    const PlayedWord described = Play(c, MotionStyle::Described);
    const PlayedWord lifelike = Play(c, MotionStyle::Lifelike);
    ASSERT_EQ(lifelike.word.letterStarts.size(), described.word.letterStarts.size());
    const std::vector<int> pictures = LetterPictures(lifelike.word);
    EXPECT_EQ(pictures, LetterPictures(described.word));
    ASSERT_EQ(lifelike.shown.size(), described.shown.size());

    int end = PicturesBefore(lifelike.word);
    for (size_t letter = 0; letter < pictures.size(); ++letter) {
      end += pictures[letter];
      // Counted back from the letter's last picture, those that show the pose the hand
      // was moving to.
      const PoseValues& pose = lifelike.targets[static_cast<size_t>(end - 1)];
      int held = 0;
      while (held < pictures[letter] && lifelike.shown[static_cast<size_t>(end - 1 - held)] == pose) ++held;
      EXPECT_GE(held + 1, static_cast<int>(std::lround(0.4 * pictures[letter]))) << "letter " << letter;
      EXPECT_LT(held, pictures[letter]) << "letter " << letter << " never moves";
    }
  }
}

// Eased moves start and stop without a jump in speed, and a turning wrist takes the
// shortest way round.
TEST(LifelikeMotionTest, MovesStartAndStopSmoothlyAndTheWristTurnsTheShortestWay) {
  int turnsMeasured = 0;
  for (const WordCase& c : Words()) {
    SCOPED_TRACE(c.text.toStdString());
    const PlayedWord played = Play(c, MotionStyle::Lifelike);
    int picture = 0;
    for (const Move& move : played.word.script) {
      if (move.kind != Move::Kind::Redraw) continue;
      const int count = PicturesOfRedraw(move.steps);
      const int first = picture;
      picture += count;
      if (move.pace != Move::Pace::Eased || count < 12) continue;
      const PoseValues& from = played.shown[static_cast<size_t>(first)];
      const PoseValues& to = played.shown[static_cast<size_t>(first + count - 1)];
      const float distance = Largest(from, to, 0, from.size());
      if (distance < 1.0f) continue;
      // The first and last steps cover a small part of the way, where an even pace
      // would cover 1 / steps of it; no step takes more than twice the even share.
      const float evenStep = distance / static_cast<float>(count - 1);
      EXPECT_LT(Largest(from, played.shown[static_cast<size_t>(first + 1)], 0, from.size()), 0.2f * evenStep);
      EXPECT_LT(Largest(played.shown[static_cast<size_t>(first + count - 2)], to, 0, from.size()), 0.2f * evenStep);
      for (int k = first; k + 1 < first + count; ++k)
        EXPECT_LE(Largest(played.shown[static_cast<size_t>(k)], played.shown[static_cast<size_t>(k + 1)], 0, 3),
                  2.0f * Largest(from, to, 0, 3) / static_cast<float>(count - 1) + 1e-3f);

      const TurnAngles start{from[3], from[4], from[5]};
      const TurnAngles end{to[3], to[4], to[5]};
      const double direct = TurnBetween(start, end);
      if (direct < 10.0) continue;
      double travelled = 0.0;
      for (int k = first; k + 1 < first + count; ++k) {
        const PoseValues& a = played.shown[static_cast<size_t>(k)];
        const PoseValues& b = played.shown[static_cast<size_t>(k + 1)];
        travelled += TurnBetween({a[3], a[4], a[5]}, {b[3], b[4], b[5]});
      }
      EXPECT_LE(travelled, 1.05 * direct);
      ++turnsMeasured;
    }
  }
  EXPECT_GT(turnsMeasured, 5);
}

// Turning angle by angle goes the long way round where the shortest rotation does not:
// the two turns below are 20 degrees apart.
TEST(LifelikeMotionTest, TheWristTurnIsInterpolatedAlongTheShortestRotation) {
  const TurnAngles from{0.0f, 80.0f, 0.0f};
  const TurnAngles to{180.0f, 80.0f, 180.0f};
  EXPECT_NEAR(TurnBetween(from, to), 20.0, 0.01);
  double travelled = 0.0;
  TurnAngles previous = from;
  for (int k = 1; k <= 20; ++k) {
    const TurnAngles next = InterpolateTurn(from, to, k / 20.0);
    travelled += TurnBetween(previous, next);
    previous = next;
  }
  EXPECT_NEAR(travelled, 20.0, 0.05);
  EXPECT_EQ(InterpolateTurn(from, to, 1.0), to);
  EXPECT_EQ(InterpolateTurn(from, to, 0.0), from);
  EXPECT_DOUBLE_EQ(EasedShare(0.5), 0.5);
}

namespace {

// How deep the two hands of every picture overlap, and where each wrist is.
class TwoHandRecorder : public DrawingArea {
 public:
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene& scene) override {
    const std::vector<Interpenetration> overlaps =
        FindInterpenetrations(MakeHandVolumes(scene.hands[0]), MakeHandVolumes(scene.hands[1]));
    depth.push_back(overlaps.empty() ? 0.0f : overlaps.front().depth);
    std::array<float, 6> wrists{};
    for (int h = 0; h < 2; ++h)
      for (int i = 0; i < 3; ++i) wrists[static_cast<size_t>(3 * h + i)] = scene.hands[static_cast<size_t>(h)].pose(i);
    this->wrists.push_back(wrists);
  }
  bool SaveFrame(const QString&) override { return false; }

  std::vector<float> depth;
  std::vector<std::array<float, 6>> wrists;
};

}  // namespace

// The two-handed alphabets go from one contact to the next: no picture passes a hand
// through the other deeper than the letters' own contacts do, and each hand travels
// far less than when it pulls back after every letter.
TEST(LifelikeMotionTest, TwoHandedLettersGoFromContactToContactWithoutPassingThroughTheOtherHand) {
  const std::vector<WordCase> words{
      {BritishTwoHanded, "PositionBSL.csv", 46, "hello"},
      {BritishTwoHanded, "PositionBSL.csv", 46, "bookkeeper"},
      {BritishTwoHanded, "PositionBSL.csv", 46, "quiz"},
      {IndonesianTwoHanded, "PositionINA.csv", 46, "kopi"},
      {IndonesianTwoHanded, "PositionINA.csv", 46, "city"},
  };
  for (const WordCase& c : words) {
    SCOPED_TRACE(c.text.toStdString());
    const auto table = LoadShippedTable(c.file, 2);
    const FingerspellingSystem& system = FindSystem(c.system);
    const SignSequence signs = std::get<Conversion>(system.Convert(c.text, c.numeralBase)).steps;
    std::array<double, 2> travel{};
    std::array<TwoHandRecorder, 2> recorders;
    for (const MotionStyle motion : {MotionStyle::Described, MotionStyle::Lifelike}) {
      TwoHandRecorder& recorder = recorders[motion == MotionStyle::Lifelike ? 1 : 0];
      PlaybackEngine engine(*table, recorder);
      RunScript(engine, ChoreographWord(system, *table, signs, 40, motion).script);
      for (size_t k = 1; k < recorder.wrists.size(); ++k) {
        double step = 0.0;
        for (int i = 0; i < 6; ++i) step += std::pow(recorder.wrists[k][static_cast<size_t>(i)] - recorder.wrists[k - 1][static_cast<size_t>(i)], 2);
        travel[motion == MotionStyle::Lifelike ? 1 : 0] += std::sqrt(step);
      }
    }
    // The contacts the letters are made with: the held pictures, where the hands rest.
    const TwoHandRecorder& lifelike = recorders[1];
    float contact = kTouchTolerance;
    for (size_t k = 1; k < lifelike.wrists.size(); ++k)
      if (lifelike.wrists[k] == lifelike.wrists[k - 1]) contact = std::max(contact, lifelike.depth[k]);
    const float deepest = *std::max_element(lifelike.depth.begin(), lifelike.depth.end());
    EXPECT_LE(deepest, contact + 0.5f);
    EXPECT_LT(travel[1], 0.75 * travel[0]);
  }
}
