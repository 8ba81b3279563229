#include "convert/spelled_letters.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "support/shipped_shapes.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace {

using enum SystemId;

struct LettersCase {
  SystemId system;
  QString file;
  int16_t numeralBase;
  QString text;
  // The stretch marked while each sign is signed, in order.
  QStringList marked;
};

// The stretch marked, and after a colon the stretch's letters with the sign's own in
// brackets, where it has several: "한:ㅎ[ㅏ]ㄴ".
QString Marked(const SpelledLetters& letters, int move) {
  const SignMark mark = letters.MarkOfMove(move);
  QString marked = letters.Text().mid(mark.span.start, mark.span.length);
  if (!mark.letters.isEmpty())
    marked += u':' + mark.letters.left(mark.letter.start) + u'[' + mark.letters.mid(mark.letter.start, mark.letter.length) +
              u']' + mark.letters.mid(mark.letter.start + mark.letter.length);
  return marked;
}

}  // namespace

TEST(SpelledLettersTest, TheMarkedLetterFollowsTheSignsOfEverySystem) {
  const std::vector<LettersCase> cases{
      {BritishTwoHanded, "PositionBSL.csv", 46, "hello", {"h", "e", "l", "l", "o"}},
      {IndonesianTwoHanded, "PositionINA.csv", 46, "kopi", {"k", "o", "p", "i"}},
      {American, "PositionASL.csv", 46, "bookkeeper", {"b", "o", "o", "k", "k", "e", "e", "p", "e", "r"}},
      {DerivedAmerican, "PositionASL.csv", 46, "jazz", {"j", "a", "z", "z"}},
      {JapaneseKana, "PositionJSL.csv", 46, QStringLiteral("ｱﾘｶﾞﾄｳ"), {"ｱ", "ﾘ", "ｶﾞ", "ﾄ", "ｳ"}},
      {KoreanHangul, "PositionKSL.csv", 41, QStringLiteral("한국"), {QStringLiteral("한:[ㅎ]ㅏㄴ"), QStringLiteral("한:ㅎ[ㅏ]ㄴ"), QStringLiteral("한:ㅎㅏ[ㄴ]"), QStringLiteral("국:[ㄱ]ㅜㄱ"), QStringLiteral("국:ㄱ[ㅜ]ㄱ"), QStringLiteral("국:ㄱㅜ[ㄱ]")}},
      // A final of two consonants is two of the syllable's letters.
      {KoreanHangul, "PositionKSL.csv", 41, QStringLiteral("값"), {QStringLiteral("값:[ㄱ]ㅏㅂㅅ"), QStringLiteral("값:ㄱ[ㅏ]ㅂㅅ"), QStringLiteral("값:ㄱㅏ[ㅂ]ㅅ"), QStringLiteral("값:ㄱㅏㅂ[ㅅ]")}},
      // Each digit its own sign, zeros none; ten thousand closes its group.
      {Numerals, "PositionJSL.csv", 46, "1205", {"1", "2", "5"}},
      {Numerals, "PositionKSL.csv", 41, "00123406", {"1", "2", "12", "3", "4", "6"}},
      {Numerals, "PositionJSL.csv", 46, "0", {"0"}},
  };
  for (const LettersCase& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const auto shipped = LoadShippedTable(c.file, TableHandsOfSystem(c.system));
    const SignTable& table = *shipped;
    const FingerspellingSystem& system = FindSystem(c.system);
    const SpelledLetters letters(system, table, c.text, c.numeralBase, 100);
    const ConversionResult converted = system.Convert(c.text, c.numeralBase);
    const Conversion& conversion = std::get<Conversion>(converted);
    ASSERT_TRUE(letters.Script() == system.Choreograph(table, conversion.steps, 100));

    QStringList marked;
    const std::vector<int>& starts = letters.SignStarts();
    for (size_t i = 0; i < starts.size(); ++i) {
      marked << Marked(letters, starts[i]);
      const int end = i + 1 < starts.size() ? starts[i + 1] : static_cast<int>(letters.Script().size());
      // Every move of the sign marks the same stretch, and one of them takes up its shape.
      bool shaped = false;
      for (int move = starts[i]; move < end; ++move) {
        EXPECT_EQ(Marked(letters, move), marked.back()) << "move " << move;
        const Move& m = letters.Script()[static_cast<size_t>(move)];
        shaped = shaped || (m.kind != Move::Kind::Redraw && m.sign == conversion.steps[i].Code);
      }
      EXPECT_TRUE(shaped || table.KeyFrameCount(conversion.steps[i].Code) == 0) << "sign " << i;
    }
    EXPECT_EQ(marked.join(u'|').toStdString(), c.marked.join(u'|').toStdString());
  }
}

TEST(SpelledLettersTest, ATextTheSystemCannotSpellMarksNothing) {
  SignTable table;
  table.SetHands(2);
  const SpelledLetters letters(FindSystem(BritishTwoHanded), table, QStringLiteral("??"), 46, 100);
  EXPECT_TRUE(letters.IsEmpty());
  EXPECT_EQ(letters.MarkOfMove(0), SignMark{});
}
