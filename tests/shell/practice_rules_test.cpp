#include "shell/answer_check.h"
#include "shell/month_day_format.h"
#include "shell/practice_history.h"
#include "shell/practice_picker.h"
#include "shell/practice_session.h"

#include "support/file_contents.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>

namespace {

using enum SystemId;

WordList Plain(const QStringList& words) {
  WordList list;
  list.Words = words;
  return list;
}

std::vector<int> All(int count) {
  std::vector<int> entries;
  for (int i = 0; i < count; ++i) entries.push_back(i);
  return entries;
}

}  // namespace

TEST(PracticePicker, EveryEntryIsEquallyLikelyAndNoneComesTwiceInARow) {
  PracticePicker one(7);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(one.PickEntry(All(1)), 0);

  PracticePicker three(11);
  std::map<int, int> counts;
  int last = -1;
  for (int i = 0; i < 3000; ++i) {
    const int picked = three.PickEntry(All(3));
    EXPECT_NE(picked, last);
    last = picked;
    ++counts[picked];
  }
  for (int entry = 0; entry < 3; ++entry) {
    EXPECT_GT(counts[entry], 900) << entry;
    EXPECT_LT(counts[entry], 1100) << entry;
  }

  PracticePicker numbers(3);
  for (int i = 0; i < 2000; ++i) {
    const int number = numbers.PickNumber();
    EXPECT_GE(number, 0);
    EXPECT_LE(number, 99999);
  }
}

TEST(PracticePicker, TheLengthRangeCountsSigns) {
  const WordList english = Plain({u"at"_qs, u"cat"_qs, u"zebra"_qs, u"elephant"_qs});
  EXPECT_EQ(PracticePicker::EntriesOfLength(english, American, ListSpelling::Text, 0, 0), All(4));
  EXPECT_EQ(PracticePicker::EntriesOfLength(english, American, ListSpelling::Text, 3, 5), (std::vector<int>{1, 2}));
  EXPECT_TRUE(PracticePicker::EntriesOfLength(english, American, ListSpelling::Text, 9, 12).empty());
  // Kana and jamo: ｶﾞｯｺｳ is four signs, 학교 five.
  EXPECT_EQ(PracticePicker::EntriesOfLength(Plain({u"ｶﾞｯｺｳ"_qs}), JapaneseKana, ListSpelling::Text, 4, 4), All(1));
  EXPECT_EQ(PracticePicker::EntriesOfLength(Plain({u"학교"_qs}), KoreanHangul, ListSpelling::Text, 5, 5), All(1));
}

// A list file can hold what no system spells: such entries are told of when the list
// loads and never asked, and a list of nothing else cannot start a practice.
TEST(PracticePicker, EntriesTheSystemCannotSpellAreToldOfAndNeverPicked) {
  const QStringList hostile = {QString(QChar(u'\0')),  QString(QChar(u'\xFFFF')), QString(QChar(u'\xD800')) + u"가"_qs,
                               u"가\n나"_qs,          u"\u202E학교"_qs,           u"abc"_qs};
  WordList list = Plain(QStringList{u"학교"_qs} + hostile);
  EXPECT_EQ(PracticePicker::EntriesOfLength(list, KoreanHangul, ListSpelling::Text, 0, 0), All(1));
  EXPECT_EQ(PracticePicker::EntriesOfLength(list, KoreanHangul, ListSpelling::Text, 1, 9), All(1));
  EXPECT_EQ(UnspellableEntriesText(list, KoreanHangul, ListSpelling::Text),
            u"6 word(s) of the list cannot be spelled and are never asked:\n\"U+0000\"\n\"U+FFFF\"\n\"U+D800가\"\n"
            u"\"가U+000A나\"\n\"U+202E학교\"\n\"abc\""_qs);
  EXPECT_TRUE(UnspellableEntriesText(Plain({u"학교"_qs}), KoreanHangul, ListSpelling::Text).isEmpty());

  PracticeSession session(KoreanHangul, false, KanaInput::Romaji, list, 9);
  ASSERT_EQ(session.SetLengthRange(0, 0), std::nullopt);
  const LearnerTime now{std::chrono::seconds(1'800'000'000)};
  for (int turn = 0; turn < 20; ++turn) EXPECT_EQ(session.PickNext(now).Text, u"학교"_qs);
  PracticeSession nothing(KoreanHangul, false, KanaInput::Romaji, Plain(hostile), 9);
  EXPECT_EQ(nothing.SetLengthRange(0, 0), kNoSpellableWordMessage);
}

TEST(AnswerCheck, MatchesIgnoringCaseBlanksKanaFormsAndRomanization) {
  WordList japanese;
  japanese.Words = {u"ｷｯﾃ"_qs};
  japanese.Written = {u"切手"_qs};
  struct Case {
    PracticeItem item;
    SystemId system;
    QString typed;
    bool right;
  };
  const Case cases[] = {
      {ListPracticeItem(Plain({u"Jazz"_qs}), 0, ListSpelling::Text), American, u"  jAZZ "_qs, true},
      {ListPracticeItem(Plain({u"Jazz"_qs}), 0, ListSpelling::Text), American, u"jaz"_qs, false},
      {ListPracticeItem(japanese, 0, ListSpelling::Text), JapaneseKana, u"切手"_qs, true},
      {ListPracticeItem(japanese, 0, ListSpelling::Text), JapaneseKana, u"きって"_qs, true},
      {ListPracticeItem(japanese, 0, ListSpelling::Text), JapaneseKana, u"キッテ"_qs, true},
      {ListPracticeItem(japanese, 0, ListSpelling::Text), JapaneseKana, u"きて"_qs, false},
      {ListPracticeItem(Plain({u"gakkou"_qs}), 0, ListSpelling::Romaji), JapaneseKana, u"GAKKOU"_qs, true},
      {ListPracticeItem(Plain({u"gakkou"_qs}), 0, ListSpelling::Romaji), JapaneseKana, u"がっこう"_qs, true},
      {ListPracticeItem(Plain({u"gakkou"_qs}), 0, ListSpelling::Romaji), JapaneseKana, u"gakou"_qs, false},
      {ListPracticeItem(Plain({u"학교"_qs}), 0, ListSpelling::Text), KoreanHangul, u"학교"_qs, true},
      {ListPracticeItem(Plain({u"학교"_qs}), 0, ListSpelling::Text), KoreanHangul, u"HagGyo"_qs, true},
      {ListPracticeItem(Plain({u"학교"_qs}), 0, ListSpelling::Text), KoreanHangul, u"HagGo"_qs, false},
      {NumberPracticeItem(4021), Numerals, u" 4021"_qs, true},
      {NumberPracticeItem(7), Numerals, u"007"_qs, true},
      {NumberPracticeItem(4021), Numerals, u"4012"_qs, false},
      {NumberPracticeItem(0), Numerals, QString(), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnswerMatches(c.typed, c.item, c.system), c.right) << c.typed.toStdString();
}

TEST(AnswerCheck, AdaptedSpeedStaysBetween20And1000AndRepeatDoesNotScoreTwice) {
  EXPECT_EQ(AdaptedSpeed(100, true), 110);
  EXPECT_EQ(AdaptedSpeed(100, false), 90);
  EXPECT_EQ(AdaptedSpeed(950, true), 1000);
  EXPECT_EQ(AdaptedSpeed(21, false), 20);
  EXPECT_EQ(AdaptedSpeed(5, true), 20);

  PracticeScore score;
  score.NextWord();
  score.Count(true);
  score.Count(false);  // the same word after Repeat
  score.NextWord();
  score.Count(true);
  score.NextWord();
  score.Count(false);
  score.NextWord();
  score.Count(true);
  EXPECT_EQ(score.Asked(), 4);
  EXPECT_EQ(score.Right(), 3);
  EXPECT_EQ(score.Streak(), 1);
  EXPECT_EQ(score.Text(), u"Right 3 / 4, streak 1"_qs);
}

TEST(PracticeHistory, AppendsWithoutRewritingAndPassesOverMalformedLines) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kPracticeHistoryFileName);
  const PracticeSessionRecord first{QDateTime(QDate(2026, 12, 7), QTime(10, 15), Qt::UTC), American, 20, 17, 180};
  const PracticeSessionRecord second{QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC), JapaneseKana, 10, 4, 90};
  ASSERT_TRUE(AppendPracticeRecord(path, first));
  EXPECT_EQ(FileContents(path), QByteArray("2026-12-07T10:15:00,2,20,17,180\r\n"));
  // A damaged line in between, without a line end, is kept in the file and skipped.
  ASSERT_TRUE(WriteFileContents(path, FileContents(path) + "garbage,,\r\n2026-13-01T00:00:00,1,1,1,1"));
  ASSERT_TRUE(AppendPracticeRecord(path, second));
  const PracticeHistoryReading reading = ReadPracticeHistory(path);
  EXPECT_TRUE(reading.Refusal.isEmpty());
  const std::vector<PracticeSessionRecord>& read = reading.Records;
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], first);
  EXPECT_EQ(read[1], second);
  // The earlier lines are left where they are, not written again: the file stays the
  // same file rather than a new copy renamed over it.
  const auto inode = [&] {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
  };
  const auto before = inode();
  ASSERT_TRUE(AppendPracticeRecord(path, first));
  EXPECT_EQ(inode(), before);
  EXPECT_EQ(ReadPracticeHistory(path).Records.size(), 3u);
  EXPECT_EQ(LastSessionsOf(read, JapaneseKana, 5), std::vector<PracticeSessionRecord>{second});
  const PracticeHistoryReading none = ReadPracticeHistory(dir.filePath(u"none.csv"_qs));
  EXPECT_TRUE(none.Records.empty() && none.Refusal.isEmpty());
  // A file that cannot be replaced stays as it was: gl/writer_failure_test.cpp.
}

// A FIFO without a writer would block the reader for ever, and /dev/zero would never end:
// both are refused before they are opened, the history reads as empty, and nothing is
// appended to them.
TEST(PracticeHistory, AFileThatIsNotARegularOneIsRefused) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(u"fifo.csv"_qs);
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString huge = dir.filePath(u"huge.csv"_qs);
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kLargestPracticeHistory + 1));
  }
  const struct {
    QString path;
    QString refusal;
  } cases[] = {
      {fifo, u"The practice history is not a regular file: "_qs + fifo},
      {u"/dev/zero"_qs, u"The practice history is not a regular file: /dev/zero"_qs},
      {huge, u"The practice history is larger than 16 MiB: "_qs + huge},
  };
  for (const auto& [path, refusal] : cases) {
    SCOPED_TRACE(path.toStdString());
    const PracticeHistoryReading reading = ReadPracticeHistory(path);
    EXPECT_EQ(reading.Refusal, refusal);
    EXPECT_TRUE(reading.Records.empty());
    const PracticeSessionRecord record{QDateTime(QDate(2026, 12, 7), QTime(10, 15), Qt::UTC), American, 1, 1, 100};
    QString error;
    EXPECT_FALSE(AppendPracticeRecord(path, record, &error));
    EXPECT_FALSE(error.isEmpty());
  }
  EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

TEST(PracticeHistory, ChartDatesTakeTheLocalesFormWithoutTheYear) {
  const struct {
    QLocale locale;
    const char* date;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), "12/7"},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "07/12"},
      {QLocale(QLocale::German, QLocale::Germany), "07.12"},
      {QLocale(QLocale::Japanese, QLocale::Japan), "12/07"},
      {QLocale(QLocale::Korean, QLocale::SouthKorea), "12. 7."},
  };
  const QDate day(2026, 12, 7);
  for (const auto& c : cases)
    EXPECT_EQ(c.locale.toString(day, MonthDayFormat(c.locale)), QString::fromUtf8(c.date)) << qPrintable(c.locale.name());
}
