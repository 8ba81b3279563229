#include "convert/system_registry.h"
#include "shell/answer_letters.h"
#include "shell/caption_table.h"
#include "shell/letter_line.h"
#include "shell/practice_picker.h"

#include <gtest/gtest.h>

namespace {

using enum SystemId;

PracticeItem Word(const QString& word, ListSpelling spelling = ListSpelling::Text) {
  WordList list;
  list.Words = {word};
  return ListPracticeItem(list, 0, spelling);
}

QStringList Labels(const SpelledSigns& signs) {
  QStringList labels;
  for (const SpelledSign& sign : signs) labels << sign.Label;
  return labels;
}

}  // namespace

// Each sign is labelled with what it spells, and a letter is the same sign wherever it
// stands: the two L of "hello" and a lone L, the repeated ｺ of ｺｺ and a lone ｺ.
TEST(PracticeLetters, EachSignIsLabelledAndKeyedByItsLetter) {
  const struct {
    SystemId system;
    PracticeItem item;
    QStringList labels;
  } cases[] = {
      {American, Word(u"Hello"_qs), {u"H"_qs, u"E"_qs, u"L"_qs, u"L"_qs, u"O"_qs}},
      {American, Word(u"don't"_qs), {u"D"_qs, u"O"_qs, u"N"_qs, u"T"_qs}},
      {JapaneseKana, Word(u"ｶﾞｯｺｳ"_qs), {u"ｶﾞ"_qs, u"ｯ"_qs, u"ｺ"_qs, u"ｳ"_qs}},
      {JapaneseKana, Word(u"gakkou"_qs, ListSpelling::Romaji), {u"ｶﾞ"_qs, u"ｯ"_qs, u"ｺ"_qs, u"ｳ"_qs}},
      {KoreanHangul, Word(u"학교"_qs), {u"ㅎ"_qs, u"ㅏ"_qs, u"ㄱ"_qs, u"ㄱ"_qs, u"ㅛ"_qs}},
      {Numerals, NumberPracticeItem(12345), {u"1"_qs, u"10000"_qs, u"2000"_qs, u"300"_qs, u"40"_qs, u"5"_qs}},
  };
  for (const auto& c : cases) {
    const std::optional<SpelledSigns> signs = SpelledSignsOfItem(c.item, c.system);
    ASSERT_TRUE(signs) << c.item.Text.toStdString();
    EXPECT_EQ(Labels(*signs), c.labels) << c.item.Text.toStdString();
  }
  const auto alone = [](SystemId system, const QString& text) {
    return SpelledSignsOfItem(Word(text), system)->front().Sign;
  };
  const SpelledSigns hello = *SpelledSignsOfItem(Word(u"hello"_qs), American);
  EXPECT_EQ(hello[2].Sign, hello[3].Sign);
  EXPECT_EQ(hello[2].Sign, alone(American, u"l"_qs));
  EXPECT_EQ(SpelledSignsOfItem(Word(u"ｺｺ"_qs), JapaneseKana)->back().Sign, alone(JapaneseKana, u"ｺ"_qs));
  EXPECT_NE(alone(JapaneseKana, u"ｶﾞ"_qs), alone(JapaneseKana, u"ｶ"_qs));
  EXPECT_NE(alone(JapaneseKana, u"ｯ"_qs), alone(JapaneseKana, u"ﾂ"_qs));
}

// The answer is read in signs: misread, missed and added letters, with a doubled
// letter's slip counted as one, kana told apart by their marks, Hangul typed as
// syllables or romanized read jamo by jamo, and numbers by the signs of their places.
TEST(PracticeLetters, TheLineNamesWhatWasMisreadMissedAndAdded) {
  const struct {
    SystemId system;
    PracticeItem item;
    QString typed;
    QString line;
  } cases[] = {
      {American, Word(u"bed"_qs), u"bsd"_qs, u"You read S for E"_qs},
      {American, Word(u"mouse"_qs), u"muose"_qs, u"You read U for O, and read O for U"_qs},
      {American, Word(u"hello"_qs), u"Helo"_qs, u"You missed L"_qs},
      {American, Word(u"hello"_qs), u"hslo"_qs, u"You read S for E, and missed L"_qs},
      {American, Word(u"cat"_qs), u"cart"_qs, u"You added R"_qs},
      {American, Word(u"hello"_qs), u"helllllo"_qs, u"You added L \u00d73"_qs},
      // A doubled letter missed and one more at the end: not two letters misread.
      {American, Word(u"good"_qs), u"gods"_qs, u"You missed O, and added S"_qs},
      {American, Word(u"bed"_qs), u"sad"_qs, u"You read S for B, and read A for E"_qs},
      {American, Word(u"cat"_qs), u"zebra"_qs, QString()},  // another word
      {American, Word(u"cat"_qs), u"CAT"_qs, QString()},
      {JapaneseKana, Word(u"ｶﾞｯｺｳ"_qs), u"かっこう"_qs, u"You read ｶ for ｶﾞ"_qs},
      {JapaneseKana, Word(u"ｶﾞｯｺｳ"_qs), u"ガツコウ"_qs, u"You read ﾂ for ｯ"_qs},
      {JapaneseKana, Word(u"ﾊﾟﾝ"_qs), u"ﾊﾞﾝ"_qs, u"You read ﾊﾞ for ﾊﾟ"_qs},
      {JapaneseKana, Word(u"gakkou"_qs, ListSpelling::Romaji), u"gakou"_qs, u"You missed ｯ"_qs},
      {KoreanHangul, Word(u"학교"_qs), u"한교"_qs, u"You read ㄴ for ㄱ"_qs},
      {KoreanHangul, Word(u"학교"_qs), u"hanggyo"_qs, u"You read ㅇ for ㄱ"_qs},
      {KoreanHangul, Word(u"학교"_qs), u"하교"_qs, u"You missed ㄱ"_qs},
      {Numerals, NumberPracticeItem(4021), u"4012"_qs, u"You read 10 for 20, and read 2 for 1"_qs},
      {Numerals, NumberPracticeItem(4021), u"421"_qs, u"You read 400 for 4000"_qs},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LetterLine(ReadAnswerLetters(c.typed, c.item, c.system), LetterLinePhrases{}), c.line)
        << c.typed.toStdString();
  }

  // Which of the doubled letters is missed does not matter; that one is.
  const LetterAlignment helo = ReadAnswerLetters(u"helo"_qs, Word(u"hello"_qs), American);
  ASSERT_EQ(helo.Letters.size(), 5u);
  EXPECT_EQ(std::count_if(helo.Letters.begin(), helo.Letters.end(),
                          [](const LetterReading& l) { return l.Outcome == LetterOutcome::Missed; }),
            1);
  EXPECT_EQ(helo.Letters.back().Outcome, LetterOutcome::Right);
  EXPECT_TRUE(helo.Extra.empty());

  // The written form of a Japanese word names it: every sign read right.
  WordList japanese;
  japanese.Words = {u"ｷｯﾃ"_qs};
  japanese.Written = {u"切手"_qs};
  EXPECT_TRUE(
      ReadAnswerLetters(u"切手"_qs, ListPracticeItem(japanese, 0, ListSpelling::Text), JapaneseKana).AllRight());
}

TEST(PracticeLetters, TheLineHasJapaneseCaptions) {
  const CaptionTable table;
  const auto caption = [&](int row) { return table.Caption(row, InterfaceLanguage::Japanese); };
  const LetterLinePhrases japanese{.ReadAs = caption(LetterReadAsCaption),
                                   .Missed = caption(LetterMissedCaption),
                                   .Added = caption(LetterAddedCaption),
                                   .Sentence = caption(LetterSentenceCaption),
                                   .Also = caption(LetterAlsoCaption),
                                   .Between = caption(LetterBetweenCaption),
                                   .BeforeLast = caption(LetterBeforeLastCaption)};
  EXPECT_EQ(LetterLine(ReadAnswerLetters(u"hslo"_qs, Word(u"hello"_qs), American), japanese),
            u"EをSと読み、Lを見落としました"_qs);
  EXPECT_EQ(LetterLine(ReadAnswerLetters(u"hxelo"_qs, Word(u"hello"_qs), American), japanese),
            u"Lを見落とし、Xを余分に入力しました"_qs);
}
