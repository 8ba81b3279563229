#include "signdata/word_list_file.h"

#include "support/file_contents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Words(const QString& text, WordListFormat format) {
  const WordListLoad load = ParseWordList(text, format);
  EXPECT_TRUE(load.ok) << load.reason.toStdString();
  return load.list.Words;
}

}  // namespace

TEST(SplitText, CutsAtTheDelimiterAndTrimsEachPiece) {
  const struct {
    QString text;
    QString delimiter;
    QStringList pieces;
  } cases[] = {
      {QString(), ";", {}}, {" a;b ", QString(), {" a;b "}}, {"abc", ";", {}}, {" a ; b;", ";", {"a", "b", ""}}};
  for (const auto& [text, delimiter, pieces] : cases)
    EXPECT_EQ(SplitText(text, delimiter), pieces) << text.toStdString();
}

TEST(PlainWordList, EachLineIsOneEntryUpToTheFirstEmptyLine) {
  struct Case {
    const char* text;
    QStringList words;
  };
  const Case cases[] = {
      {"cat\r\ndog\r\n\r\nbird\r\n", {"cat", "dog"}},            // empty third line ends the list
      {"cat, dog\r\nbird\r\n", {"cat", "bird"}},                 // a stray comma shifts nothing
      {"\"cat\"\r\n  dog  \r\nfox", {"cat", "dog", "fox"}},      // quotes, blanks, no last line end
      {"cat\ndog\n", {"cat", "dog"}},                            // LF alone
      {"cat\r\n   \r\ndog\r\n", {"cat", "dog"}},                 // a line of blanks holds no word
      {"", {}},
      // A quote a word keeps is written inside quotes, so saving an opened list does
      // not change it: fuzz/word_list_fuzzer.cpp saves every list it reads.
      {"\"\"pura,\"\"\"\r\n\"\"\"\r\nquo\"te\r\n", {"\"pura", "\"", "quo\"te"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Words(QString::fromUtf8(c.text), WordListFormat::Plain), c.words) << c.text;
}

TEST(ReadingWordList, ReadsTheReadingThenTheWrittenWord) {
  const WordListLoad load = ParseWordList(
      QString::fromUtf8("ｲﾇ , 犬\r\nﾈｺ,猫\r\nﾔﾏ\r\n\r\nｶﾜ,川\r\n"), WordListFormat::Reading);
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.list.Words, (QStringList{u"ｲﾇ"_qs, u"ﾈｺ"_qs, u"ﾔﾏ"_qs}));
  EXPECT_EQ(load.list.Written, (QStringList{u"犬"_qs, u"猫"_qs, u"ﾔﾏ"_qs}));
  // Quotes as in a plain list.
  EXPECT_EQ(Words(u"\"\"pura,\"\"\"\r\n\"\"\"\r\nquo\"te\r\n"_qs, WordListFormat::Reading),
            (QStringList{u"\"pura"_qs, u"\""_qs, u"quo\"te"_qs}));
}

// A bad reference fails the whole read.
TEST(HtmlWordList, ReadsReferencesBetweenParagraphMarks) {
  struct Case {
    const char* text;
    QStringList words;
    const char* reason = "";
  };
  const Case cases[] = {
      {"<HTML>\r\n<BODY>\r\n<p>&#54620;</p>\r\n</BODY>\r\n</HTML>\r\n", {"한"}},
      {"<p>&#54620; &#44544;</p><p>&#65;&#66;</p>", {"한글", "AB"}},
      {"<p> &#54620;  &#44544; </p>\r\n<p>&#65;", {"한글", "A"}},  // the last word lacks </p>
      {"<HTML><BODY></BODY></HTML>", {}},
      {"<HTML>\r\n<p>&#65536;</p>", {}, "Word list line 2: character number 65536 is above 65535"},
      {"<p>&#65;</p>\r\n<p>&#x41;</p>", {}, "Word list line 2: \"&#x41\" is not a character number"},
      {"<p>&#99999999999999999999;</p>", {}, "Word list line 1: character number 99999999999999999999 is above 65535"},
  };
  for (const Case& c : cases) {
    const WordListLoad load = ParseWordList(QString::fromUtf8(c.text), WordListFormat::Html);
    EXPECT_EQ(load.ok, *c.reason == '\0') << c.text;
    EXPECT_EQ(load.list.Words, c.words) << c.text;
    EXPECT_EQ(load.reason.toStdString(), c.reason);
  }
}

TEST(WordListWriters, WriteTheLayoutWithoutPadding) {
  WordList list;
  list.Words = {u"ｲﾇ"_qs, u"한"_qs};
  list.Written = {u"犬"_qs, u"韓"_qs};
  EXPECT_EQ(FormatWordList(list, WordListFormat::Plain), u"ｲﾇ\r\n한\r\n"_qs);
  EXPECT_EQ(FormatWordList(list, WordListFormat::Reading), u"ｲﾇ,犬\r\n한,韓\r\n"_qs);
  EXPECT_EQ(FormatWordList(list, WordListFormat::Html),
            u"<HTML>\r\n<BODY>\r\n<p>&#65394;&#65415;</p>\r\n<p>&#54620;</p>\r\n</BODY>\r\n</HTML>\r\n"_qs);
}

// A list read back after a save is the same list, in every format: fuzz/word_list_fuzzer.cpp.
TEST(WordListFiles, AreReadInTheFormatOfTheirNameInUtf8OrShiftJisAndFailuresAreReported) {
  EXPECT_EQ(FormatOfWordListFile(QStringLiteral("/a/KSLdefault.html")), WordListFormat::Html);
  EXPECT_EQ(FormatOfWordListFile(QStringLiteral("/a/ENGdefault.txt")), WordListFormat::Plain);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("JSLdefault.txt"));
  // "ｲﾇ,犬" in Shift_JIS: half-width katakana are single bytes.
  ASSERT_TRUE(WriteFileContents(path, QByteArray("\xb2\xc7,\x8c\xa2\r\n")));
  EXPECT_EQ(FormatOfWordListFile(path), WordListFormat::Reading);
  const WordListLoad load = LoadWordListFile(path, FormatOfWordListFile(path));
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.list.Words, QStringList{u"ｲﾇ"_qs});
  EXPECT_EQ(load.list.Written, QStringList{u"犬"_qs});

  QString error;
  const WordListLoad missing = LoadWordListFile(dir.filePath(QStringLiteral("none.txt")), WordListFormat::Plain);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(WordListReadMessage(QStringLiteral("/x/none.txt"), missing.reason),
            QStringLiteral("The word list could not be read: /x/none.txt: the file does not exist"));
  EXPECT_FALSE(SaveWordListFile(dir.filePath(QStringLiteral("no/such/folder.txt")), WordList{{u"가"_qs}, {}},
                                WordListFormat::Plain, &error));
  EXPECT_FALSE(error.isEmpty());
}

// A line of megabytes or a list of millions froze the editor and the practice: each limit
// refuses the whole list, naming the limit, in every format, and a file that is not a
// regular one is never opened.
TEST(WordListFiles, ListsBeyondTheLimitsAreRefused) {
  const QString longest(kLongestListWord, u'a');
  const QString tooLong = longest + u'a';
  QString html = u"<p>"_qs;
  for (const QChar c : tooLong) html += QStringLiteral("&#%1;").arg(c.unicode());
  QString many;
  for (int n = 0; n <= kMostListWords; ++n) many += u"w\r\n"_qs;
  const struct {
    QString text;
    WordListFormat format;
    QString reason;
  } cases[] = {
      {u"cat\r\n"_qs + tooLong + u"\r\n"_qs, WordListFormat::Plain,
       u"Word list line 2: the word is longer than 200 characters"_qs},
      {u"ねこ,"_qs + tooLong + u"\r\n"_qs, WordListFormat::Reading,
       u"Word list line 1: the word is longer than 200 characters"_qs},
      {html, WordListFormat::Html, u"Word list line 1: the word is longer than 200 characters"_qs},
      {many, WordListFormat::Plain, u"the list holds more than 100000 words"_qs},
  };
  for (const auto& [text, format, reason] : cases) {
    const WordListLoad load = ParseWordList(text, format);
    EXPECT_FALSE(load.ok) << reason.toStdString();
    EXPECT_EQ(load.reason, reason);
    EXPECT_TRUE(load.list.Words.isEmpty());
  }
  EXPECT_EQ(Words(longest, WordListFormat::Plain), QStringList{longest});

  QTemporaryDir dir;
  const QString big = dir.filePath(u"big.txt"_qs);
  ASSERT_TRUE(WriteFileContents(big, QByteArray(kLargestWordListFile + 1, '\n')));
  EXPECT_EQ(LoadWordListFile(big, WordListFormat::Plain).reason, u"larger than 8 MiB"_qs);
  EXPECT_EQ(LoadWordListFile(u"/dev/zero"_qs, WordListFormat::Plain).reason, u"not a regular file"_qs);
}
