// The five angle data files the program ships, each checked the same way: built from
// its source, every slot its systems' converters produce named and filled, still
// shapes held and moving ones moving, clean under lint, in view wherever the
// converters move its shapes, and real words played without a missing key frame.
#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "hand/hand.h"
#include "hand/hand_landmarks.h"
#include "hand/hand_volumes.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/natural_framing.h"
#include "playback/view_controls.h"
#include "playback/view_state.h"
#include "signdata/key_frame_pose.h"
#include "signdata/shape_authoring.h"
#include "signdata/shape_lint.h"
#include "signdata/sign_table.h"
#include "signdata/transition_lint.h"
#include "support/file_contents.h"
#include "support/shipped_shapes.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

// Offsets a converter adds to a key frame: wrist angle x, y, z, then position x, y, z.
// A two-hand table's converters move both wrists alike, or leave one where it is.
using Displacement = std::array<float, 6>;

// Slots first..last, each key frame moved by every displacement, must stay in the
// classic camera's view.
struct ViewRange {
  int first;
  int last;
  std::vector<Displacement> moves;
};

struct WordCase {
  SystemId system;
  const char* text;
  bool roman = false;
};

struct ShippedTableCase {
  const char* name;    // the test's name
  const char* file;    // in data/
  const char* source;  // in authoring/
  int hands;
  std::vector<SystemId> systems;
  // The name of every slot from 0; a converter produces nothing beyond the last.
  QStringList names;
  // Slots that move through at least `leastMovingFrames` key frames, as do the
  // letters of two hands; every other slot is held still in one.
  std::vector<int> moving;
  int leastMovingFrames;
  // Two hands: letters of the right hand alone, the left hanging below -80 meanwhile.
  std::vector<int> oneHanded;
  // Slots that show the rest pose's fingers.
  std::vector<int> restFingers;
  // One hand only: the classic camera does not frame two hands held apart, which the
  // Natural hands' camera does instead.
  std::vector<ViewRange> inView;
  std::vector<WordCase> words;
};

QStringList Split(const char* names) { return QString::fromUtf8(names).split(u' '); }

// Slot numbers of the letters A to Z named in `letters`.
std::vector<int> Letters(const char* letters) {
  std::vector<int> numbers;
  for (const char* c = letters; *c != '\0'; ++c) numbers.push_back(*c - 'A' + 1);
  return numbers;
}

std::vector<int> Slots(int first, int last) {
  std::vector<int> numbers;
  for (int slot = first; slot <= last; ++slot) numbers.push_back(slot);
  return numbers;
}

template <typename T>
std::vector<T> Joined(std::vector<T> a, const std::vector<T>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Contains(const std::vector<int>& numbers, int slot) {
  return std::find(numbers.begin(), numbers.end(), slot) != numbers.end();
}

const Displacement kStill{0, 0, 0, 0, 0, 0};

// A doubled letter slides 20 to the viewer's left per key frame and bounces its wrist.
std::vector<Displacement> AlphabetDisplacements() {
  return {kStill, {0, 0, 0, 0, -20, 0}, {0, 0, 0, 0, -40, 0}, {10, 0, 0, 0, -20, 0}, {0, 10, 0, 0, -20, 0}};
}

std::vector<Displacement> KanaDisplacements() {
  return {kStill,              {0, 0, 0, 0, -100, 0},  // voiced
          {0, 0, 0, 0, 0, 100},                        // semi-voiced
          {0, 0, 0, -100, 0, 0},                       // small kana
          {10, 0, 0, 0, 0, 0}, {0, 10, 0, 0, 0, 0}};   // the bounce of a repeat
}

std::vector<Displacement> GridDisplacements() {
  std::vector<Displacement> grid;
  for (float side : {-80.0f, 0.0f, 80.0f})
    for (float height : {-80.0f, 0.0f, 80.0f}) grid.push_back({0, 0, 0, 0, side, height});
  return grid;
}

std::vector<Displacement> ThousandsDisplacements() {
  return {kStill, {0, 0, 0, 0, 0, 50}, {0, 0, 0, 0, 50, 0}, {0, 0, 0, 0, -50, 0}, {0, 0, 0, 0, 0, -50}};
}

const char* const kLetterNames = "Rest A B C D E F G H I J K L M N O P Q R S T U V W X Y Z";
const char* const kNumeralNames =
    "1 2 3 4 5 6 7 8 9 0 10 20 30 40 50 60 70 80 90 100 200 300 400 500 600 700 800 900 1000 2000 3000 4000 5000";

std::vector<WordCase> AlphabetWords(SystemId system) {
  return {{system, "hello"}, {system, "anna"}, {system, "bookkeeper"}, {system, "jazz"}};
}

std::vector<WordCase> NumeralWords() { constexpr SystemId n = SystemId::Numerals;
  return {{n, "7"}, {n, "2026"}, {n, "12345"}, {n, "99999999999"}}; }

std::vector<ShippedTableCase> ShippedTables() {
  return {
      {"BSL", "PositionBSL.csv", "bsl.shapes", 2, {SystemId::BritishTwoHanded}, Split(kLetterNames), Letters("HJZ"), 3, Letters("C"), {},
       {}, AlphabetWords(SystemId::BritishTwoHanded)},
      {"INA", "PositionINA.csv", "ina.shapes", 2, {SystemId::IndonesianTwoHanded}, Split(kLetterNames), Letters("JSZ"), 3,
       Letters("CIJLMNSUVZ"), {}, {}, AlphabetWords(SystemId::IndonesianTwoHanded)},
      {"ASL", "PositionASL.csv", "asl.shapes", 1, {SystemId::American, SystemId::DerivedAmerican}, Split(kLetterNames) << "T (ASL)", Letters("JZ"), 3, {},
       {}, {{0, 0, {kStill}}, {1, 27, AlphabetDisplacements()}}, Joined(AlphabetWords(SystemId::American), AlphabetWords(SystemId::DerivedAmerican))},
      {"JSL", "PositionJSL.csv", "jsl.shapes", 1, {SystemId::JapaneseKana, SystemId::Numerals},
       Split("Rest ア イ ウ エ オ カ キ ク ケ コ サ シ ス セ ソ タ チ ツ テ ト ナ ニ ヌ ネ ノ ハ ヒ フ ヘ ホ "
             "マ ミ ム メ モ ヤ ユ ヨ ラ リ ル レ ロ ワ ン ー") +
           Split(kNumeralNames) + Split("万 億"),
       Joined<int>({25, 35, 40, 45, 46}, Slots(46 + 20, 46 + 28)), 2, {}, {},
       {{0, 0, {kStill}}, {1, 46, KanaDisplacements()}, {47, 81, ThousandsDisplacements()}},
       Joined<WordCase>({{SystemId::JapaneseKana, "ｱﾘｶﾞﾄｳ"}, {SystemId::JapaneseKana, "toukyou", true}, {SystemId::JapaneseKana, "gakkou", true}}, NumeralWords())},
      {"KSL", "PositionKSL.csv", "ksl.shapes", 1, {SystemId::KoreanHangul, SystemId::Numerals},
       Split("Rest ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ ㅚ ㅛ ㅜ "
             "ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ ㅣ -") +
           Split(kNumeralNames) + Split("만 억"),
       // The doubled consonants, the compound vowels that glide, and the hundreds.
       Joined<int>({2, 5, 9, 11, 14, 29, 30, 34, 35}, Slots(41 + 20, 41 + 28)), 2, {}, {41},
       {{0, 0, {kStill}}, {1, 40, GridDisplacements()}, {41, 41, {kStill}}, {42, 76, ThousandsDisplacements()}},
       Joined<WordCase>({{SystemId::KoreanHangul, "한국"}, {SystemId::KoreanHangul, "안녕하세요"}, {SystemId::KoreanHangul, "HanGug", true}}, NumeralWords())},
  };
}

void PrintTo(const ShippedTableCase& c, std::ostream* out) { *out << c.file; }

// Projects points with a view's camera on a drawing area of a size, and tells whether
// they lie inside the picture.
class Picture {
 public:
  Picture(ViewState view, int width, int height) {
    UpdateCamera(view, width, height);
    const CameraSetup setup = ComputeCameraSetup(view);
    toEye_ = Matrix4::LookAt(setup.eye, setup.centre, setup.up);
    halfHeight_ = static_cast<float>(std::tan(setup.fieldOfView * 3.14159265 / 360.0));
    halfWidth_ = halfHeight_ * static_cast<float>(setup.aspect);
  }

  // True when a ball of `radius` around p lies wholly inside the picture.
  bool Holds(const Vec3& p, float radius) const {
    const Vec3 e = toEye_.TransformPoint(p);  // the eye looks along -z
    const float depth = -e.z;
    if (depth <= radius) return false;
    return std::abs(e.x) + radius <= depth * halfWidth_ && std::abs(e.y) + radius <= depth * halfHeight_;
  }

  // True when p lies above the picture's top edge (or behind the eye).
  bool AboveTop(const Vec3& p) const {
    const Vec3 e = toEye_.TransformPoint(p);
    return -e.z <= 0.0f || e.y > -e.z * halfHeight_;
  }

  bool HoldsWhole(const Hand& hand) const {
    const HandVolumes volumes = MakeHandVolumes(hand);
    for (const auto& capsule : volumes.capsules)
      if (!Holds(capsule.start, capsule.radius) || !Holds(capsule.end, capsule.radius)) return false;
    return std::all_of(volumes.palmPoints.begin(), volumes.palmPoints.end(),
                       [this](const Vec3& point) { return Holds(point, 0.0f); });
  }

 private:
  Matrix4 toEye_ = Matrix4::Identity();
  float halfHeight_ = 0.0f;
  float halfWidth_ = 0.0f;
};

KeyFrame Displaced(KeyFrame key, const Displacement& move) {
  for (size_t i = 0; i < 3; ++i) {
    key.RightWristAngle[i] += move[i];
    key.RightWristPos[i] += move[3 + i];
    key.LeftWristAngle[i] += move[i];
    key.LeftWristPos[i] += move[3 + i];
  }
  return key;
}

// True when every hand of the table, posed in `key`, lies whole in the picture.
bool ShowsWhole(const Picture& picture, const KeyFrame& key, int hands) {
  for (int which = 0; which < hands; ++which) {
    Hand hand;
    PoseHandBetween(hand, key, key, which, 0.0f);
    if (!picture.HoldsWhole(hand)) return false;
  }
  return true;
}

// A word as a system spells it on a table at speed 40: its signs and its moves.
struct PlayedWord {
  SignSequence signs;
  MoveScript script;
};

PlayedWord PlayWord(const SignTable& table, const WordCase& word, int16_t numeralBase) {
  const FingerspellingSystem& spelling = FindSystem(word.system);
  const QString text = QString::fromUtf8(word.text);
  const ConversionResult converted = word.roman ? spelling.ConvertRomanized(text)
                                                : spelling.Convert(text, NumeralBaseOfSystem(word.system, numeralBase));
  EXPECT_TRUE(std::holds_alternative<Conversion>(converted));
  if (!std::holds_alternative<Conversion>(converted)) return {};
  const SignSequence& signs = std::get<Conversion>(converted).steps;
  return {signs, spelling.Choreograph(table, signs, 100)};
}

// Every key frame of every sign of the word is played, in order (the movements of a
// mark or a doubled letter in between go back to a sign's key frame 0), and no move
// asks for a key frame the table lacks.
void ExpectEveryKeyFramePlayed(const SignTable& table, const PlayedWord& word) {
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

// The second of two equal letters slides 20 to the viewer's left, with the left hand
// too unless the letter is signed with the right hand alone.
void ExpectDoubledLettersSlide(const ShippedTableCase& c, const WordCase& word, const PlayedWord& played) {
  const std::string letters = QString::fromUtf8(word.text).toUpper().toStdString();
  for (size_t i = 1; i < letters.size(); ++i) {
    if (letters[i - 1] != letters[i]) continue;
    const int slot = letters[i] - 'A' + 1;
    bool slid = false;
    for (const Move& move : played.script) {
      if (move.sign != slot || move.offsets[kRightWristPosY] != -20.0f) continue;
      slid = true;
      if (c.hands == 2) {
        EXPECT_EQ(move.offsets[kLeftWristPosY], Contains(c.oneHanded, slot) ? 0.0f : -20.0f) << letters[i];
      }
    }
    EXPECT_TRUE(slid) << letters[i];
  }
}

QString SlotName(const SignTable& table, int slot) { return table.Signs[slot].Name.trimmed(); }

class ShippedAngleTables : public testing::TestWithParam<ShippedTableCase> {
 protected:
  const ShippedTableCase& Case() const { return GetParam(); }
  std::unique_ptr<SignTable> Load() const { return LoadShippedTable(QString::fromLatin1(Case().file), Case().hands); }
};

}  // namespace

// So that a shape changed in its source cannot be forgotten in the file the program reads.
TEST_P(ShippedAngleTables, IsExactlyWhatItsSourceBuilds) {
  const QString source = QString::fromLatin1(Case().source);
  const QString file = QString::fromLatin1(Case().file);
  const ShapeAuthoringResult result = ParseShapeAuthoringFile(QStringLiteral(TOVARO_SOURCE_DIR "/authoring/") + source);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_EQ(result.shapes.HandCount, Case().hands);
  const int columns = Case().hands == 2 ? kTwoHandColumns : kOneHandColumns;
  EXPECT_EQ(QString::fromUtf8(FileContents(QStringLiteral(TOVARO_SOURCE_DIR "/data/") + file)),
            FormatAngleData(*result.shapes.Table, result.shapes.SignCount, columns))
      << "data/" << Case().file << " is out of date: run tovaro-cli shapes authoring/" << Case().source
      << " --out data/" << Case().file;
}

TEST_P(ShippedAngleTables, NamesAndFillsEverySlotItsSystemsProduce) {
  for (const SystemId system : Case().systems) {
    if (FindSystem(system).DataFileName().isEmpty()) continue;  // the numerals
    EXPECT_EQ(FindSystem(system).DataFileName(), QString::fromLatin1(Case().file)) << SystemNumber(system);
    EXPECT_EQ(FindSystem(system).HandCount(), Case().hands) << SystemNumber(system);
  }
  const auto table = Load();
  ASSERT_EQ(table->SignCount, Case().names.size());
  for (int slot = 0; slot < table->SignCount; ++slot) {
    EXPECT_EQ(SlotName(*table, slot), Case().names[slot]) << slot;
    EXPECT_GE(table->KeyFrameCount(slot), 1) << slot;
  }
}

TEST_P(ShippedAngleTables, HoldsStillShapesStillAndMovesTheOthers) {
  const auto table = Load();
  for (const int rest : Case().restFingers) EXPECT_EQ(table->Frame(rest, 0).RightFinger, table->Frame(0, 0).RightFinger);
  for (int slot = 0; slot < table->SignCount; ++slot) {
    SCOPED_TRACE(SlotName(*table, slot).toStdString());
    // A letter of two hands comes together from apart and opens again.
    const bool twoHanded = Case().hands == 2 && slot != 0 && !Contains(Case().oneHanded, slot);
    if (twoHanded || Contains(Case().moving, slot))
      EXPECT_GE(table->KeyFrameCount(slot), Case().leastMovingFrames);
    else
      EXPECT_EQ(table->KeyFrameCount(slot), 1);
    if (Case().hands != 2 || slot == 0) continue;
    // The doubled-letter movement leaves a hand below -80 where it is; a letter of
    // one hand keeps the other there throughout, a letter of two keeps both up.
    const bool oneHanded = !twoHanded;
    for (int k = 0; k < table->KeyFrameCount(slot); ++k) {
      const KeyFrame& frame = table->Frame(slot, k);
      EXPECT_GE(frame.RightWristPos[2], -80.0f) << "key frame " << k;
      if (oneHanded)
        EXPECT_LT(frame.LeftWristPos[2], -80.0f) << "key frame " << k;
      else
        EXPECT_GE(frame.LeftWristPos[2], -80.0f) << "key frame " << k;
    }
  }
}

// Each hand against itself and, with two hands, the right against the left, in every
// key frame and halfway between; and no move from one sign to another carries one
// hand through the other.
TEST_P(ShippedAngleTables, PassesLint) {
  const auto table = Load();
  for (const ShapeProblem& problem : LintShapes(table->Signs, table->SignCount, table->HandCount))
    ADD_FAILURE() << problem.Describe().toStdString();
  if (Case().hands != 2) return;
  for (const TransitionProblem& move : LintTransitions(table->Signs, table->SignCount, table->HandCount))
    EXPECT_FALSE(move.HandsPassThrough()) << move.Describe().toStdString();
}

TEST_P(ShippedAngleTables, EveryKeyFrameStaysInViewWhereverTheConvertersMoveIt) {
  const auto table = Load();
  auto trace = [&table](int slot, int k) {
    return testing::Message() << "slot " << slot << " \"" << SlotName(*table, slot).toStdString() << "\" key frame " << k;
  };
  // Both hands of a two-handed letter fit the Natural hands' closer camera, the hands
  // apart before and after a contact as well as touching.
  if (Case().hands == 2) {
    const Picture natural(NaturalFraming(ViewState{}, 2), 640, 480);
    for (int slot = 0; slot < table->SignCount; ++slot)
      for (int k = 0; k < table->KeyFrameCount(slot); ++k)
        EXPECT_TRUE(ShowsWhole(natural, table->Frame(slot, k), 2)) << trace(slot, k) << " leaves the Natural framing";
  }
  // On a square drawing area, the narrower of the shapes a drawing area takes.
  const Picture classic(ViewState{}, 320, 320);
  for (const ViewRange& range : Case().inView) {
    for (int slot = range.first; slot <= std::min(range.last, table->SignCount - 1); ++slot) {
      for (int k = 0; k < table->KeyFrameCount(slot); ++k) {
        SCOPED_TRACE(trace(slot, k));
        for (const Displacement& move : range.moves)
          EXPECT_TRUE(ShowsWhole(classic, Displaced(table->Frame(slot, k), move), Case().hands))
              << "moved by " << move[3] << ", " << move[4] << ", " << move[5] << " (angles " << move[0] << ", "
              << move[1] << ") leaves the view";
      }
    }
  }
}

// No wrist rises above the top of the Natural hands' default view, seen from the
// start the program shows the table from, and no forearm hangs from the top: every
// hand comes in from below or the side, the part of its forearm that has not yet
// faded out below the top edge too, a letter that points down included, as a signer
// bends the wrist rather than raising the elbow over the hand.
TEST_P(ShippedAngleTables, NoWristAboveTheTopOfTheDefaultView) {
  const auto table = Load();
  const Picture natural(NaturalFraming(StartView(Case().hands), Case().hands), 640, 480);
  for (int slot = 0; slot < table->SignCount; ++slot)
    for (int k = 0; k < table->KeyFrameCount(slot); ++k)
      for (int which = 0; which < Case().hands; ++which) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << " \"" << SlotName(*table, slot).toStdString()
                                        << "\" key frame " << k << " hand " << which);
        Hand hand;
        PoseHandBetween(hand, table->Frame(slot, k), table->Frame(slot, k), which, 0.0f);
        const Vec3 wrist = *HandLandmark(hand, QStringLiteral("wrist"));
        EXPECT_FALSE(natural.AboveTop(wrist));
        // The forearm runs on along the palm's axis, away from the fingers.
        const Vec3 palm = *HandLandmark(hand, QStringLiteral("palm"));
        const Vec3 back = *HandLandmark(hand, QStringLiteral("back"));
        const Vec3 axis{(palm.x + back.x) / 2 - wrist.x, (palm.y + back.y) / 2 - wrist.y, (palm.z + back.z) / 2 - wrist.z};
        const float shown = 65.0f / std::hypot(axis.x, axis.y, axis.z);
        EXPECT_FALSE(natural.AboveTop({wrist.x - axis.x * shown, wrist.y - axis.y * shown, wrist.z - axis.z * shown}))
            << "the forearm hangs from the top";
      }
}

TEST_P(ShippedAngleTables, RealWordsPlayEveryKeyFrame) {
  const auto table = Load();
  const int16_t numeralBase = FindSystem(Case().systems.front()).NumeralBase().value_or(46);
  for (const WordCase& word : Case().words) {
    SCOPED_TRACE(std::string(word.text) + " in system " + std::to_string(SystemNumber(word.system)));
    const PlayedWord played = PlayWord(*table, word, numeralBase);
    ExpectEveryKeyFramePlayed(*table, played);
    if (FindSystem(word.system).Input() == InputFamily::Alphabet) ExpectDoubledLettersSlide(Case(), word, played);
  }
}

INSTANTIATE_TEST_SUITE_P(, ShippedAngleTables, testing::ValuesIn(ShippedTables()),
                         [](const testing::TestParamInfo<ShippedTableCase>& info) { return info.param.name; });
