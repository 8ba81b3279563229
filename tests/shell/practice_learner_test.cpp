#include "shell/answer_letters.h"
#include "shell/learner_model.h"
#include "shell/practice_picker.h"
#include "shell/practice_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

using enum SystemId;
using std::chrono::days;
using std::chrono::seconds;

const LearnerTime kStart{seconds(1'800'000'000)};

PracticeItem Word(const QString& word) {
  WordList list;
  list.Words = {word};
  return ListPracticeItem(list, 0, ListSpelling::Text);
}

SignStep SignOf(const QString& letter) { return SpelledSignsOfItem(Word(letter), American)->front().Sign; }

WordList Plain(const QStringList& words) {
  WordList list;
  list.Words = words;
  return list;
}

}  // namespace

// Each reading moves a Beta(1, 1) estimate; what was read long ago weighs half as much
// every thirty days, so the estimate drifts back to 0.5; the records are the value kept.
TEST(LearnerModel, LearnsFromEachReadingAndForgetsSlowly) {
  LearnerModel model(American);
  EXPECT_TRUE(model.IsEmpty());
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"e"_qs), kStart), 0.5);

  model.Learn(ReadAnswerLetters(u"bsd"_qs, Word(u"bed"_qs), American), kStart);
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"b"_qs), kStart), 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"e"_qs), kStart), 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"s"_qs), kStart), 0.5);
  // E was taken for S: both are confused, a third of E's readings.
  EXPECT_DOUBLE_EQ(model.Confusion(SignOf(u"e"_qs), kStart), 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(model.Confusion(SignOf(u"s"_qs), kStart), 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(model.Confusion(SignOf(u"b"_qs), kStart), 0.0);

  const auto e = std::find_if(model.Records().begin(), model.Records().end(),
                              [](const LetterRecord& r) { return r.Label == u"E"_qs; });
  ASSERT_NE(e, model.Records().end());
  EXPECT_EQ(e->Tries, 1);
  EXPECT_EQ(e->Right, 0);
  ASSERT_EQ(e->TakenFor.size(), 1u);
  EXPECT_EQ(e->TakenFor[0].Label, u"S"_qs);
  EXPECT_EQ(e->TakenFor[0].Times, 1);

  // Thirty days on the evidence counts half; long after, nothing.
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"b"_qs), kStart + days(30)), 1.5 / 2.5);
  EXPECT_NEAR(model.Knowledge(SignOf(u"b"_qs), kStart + days(3000)), 0.5, 1e-9);
  EXPECT_GT(model.Knowledge(SignOf(u"b"_qs), kStart + days(1)), 0.66);

  // A later reading adds to the decayed evidence, and the counts stay whole.
  model.Learn(ReadAnswerLetters(u"bed"_qs, Word(u"bed"_qs), American), kStart + days(30));
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"b"_qs), kStart + days(30)), 2.5 / 3.5);
  EXPECT_DOUBLE_EQ(model.Knowledge(SignOf(u"e"_qs), kStart + days(30)), 2.0 / 3.5);
  EXPECT_EQ(std::find_if(model.Records().begin(), model.Records().end(),
                         [](const LetterRecord& r) { return r.Label == u"E"_qs; })
                ->Tries,
            2);

  // Another word typed counts the signs unread but takes none for another.
  LearnerModel guessed(American);
  guessed.Learn(ReadAnswerLetters(u"zebra"_qs, Word(u"cat"_qs), American), kStart);
  EXPECT_DOUBLE_EQ(guessed.Knowledge(SignOf(u"c"_qs), kStart), 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(guessed.Confusion(SignOf(u"c"_qs), kStart), 0.0);

  const LearnerModel kept(American, model.Records());
  EXPECT_EQ(kept.Records(), model.Records());
  EXPECT_DOUBLE_EQ(kept.Knowledge(SignOf(u"e"_qs), kStart + days(30)), 2.0 / 3.5);
}

// A learner who always misses the Q is given the words with a Q several times as often,
// and still the others; no word comes twice in a row. Without typed answers the words
// come exactly as the plain picker draws them.
TEST(LearnerModel, WeakLettersMakeTheirWordsLikelier) {
  const QStringList words = {u"quiz"_qs, u"quit"_qs, u"aqua"_qs, u"cat"_qs,  u"dog"_qs,
                             u"bird"_qs, u"fish"_qs, u"lamb"_qs, u"mole"_qs, u"newt"_qs};
  PracticeSession session(American, false, KanaInput::Romaji, Plain(words), 42);
  ASSERT_FALSE(session.SetLengthRange(0, 0));
  std::map<QString, int> drawn;
  QString last;
  LearnerTime now = kStart;
  for (int i = 0; i < 10000; ++i) {
    const QString word = session.PickNext(now).Text;
    EXPECT_NE(word, last);
    last = word;
    ++drawn[word];
    session.Answer(QString(word).remove(u'q'), 100, 2.0, now);
    now += seconds(10);
  }
  const double withQ = (drawn[u"quiz"_qs] + drawn[u"quit"_qs] + drawn[u"aqua"_qs]) / 3.0;
  double withoutQ = 0.0;
  for (const QString& word : words.mid(3)) {
    EXPECT_GT(drawn[word], 100) << word.toStdString();
    withoutQ += drawn[word] / 7.0;
  }
  EXPECT_GT(withQ, 4.0 * withoutQ) << withQ << " " << withoutQ;

  PracticeSession plain(American, false, KanaInput::Romaji, Plain(words), 7);
  ASSERT_FALSE(plain.SetLengthRange(0, 0));
  PracticePicker picker(7);
  std::vector<int> all(10);
  std::iota(all.begin(), all.end(), 0);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(plain.PickNext(now).Text, words[picker.PickEntry(all)]);
}

// A focus on letters draws only words with one of them, as the learner types them;
// letters no word has, or no letters at all, leave the focus as it was and say why.
TEST(LearnerModel, AFocusDrawsOnlyWordsWithTheLettersChosen) {
  const QStringList words = {u"man"_qs, u"nut"_qs, u"cat"_qs, u"dog"_qs, u"bird"_qs, u"fish"_qs};
  PracticeSession session(American, false, KanaInput::Romaji, Plain(words), 3);
  ASSERT_FALSE(session.SetLengthRange(0, 0));
  EXPECT_FALSE(session.SetFocus(u" M N "_qs));
  std::map<QString, int> drawn;
  for (int i = 0; i < 400; ++i) ++drawn[session.PickNext(kStart).Text];
  EXPECT_EQ(drawn.size(), 2u);
  EXPECT_GT(drawn[u"man"_qs], 100);
  EXPECT_GT(drawn[u"nut"_qs], 100);

  EXPECT_EQ(session.SetFocus(u"xz"_qs), kNoFocusWordMessage.arg(u"xz"_qs));
  EXPECT_EQ(session.SetFocus(u"123"_qs), kNoFocusWordMessage.arg(u"123"_qs));
  EXPECT_EQ(session.Focus(), u"M N"_qs);
  EXPECT_FALSE(session.SetFocus(QString()));
  drawn.clear();
  for (int i = 0; i < 600; ++i) ++drawn[session.PickNext(kStart).Text];
  EXPECT_EQ(drawn.size(), 6u);
}
