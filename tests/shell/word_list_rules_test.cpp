#include "shell/word_list_rules.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "support/file_contents.h"
#include "support/shipped_shapes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using enum SystemId;
using enum InterfaceLanguage;

const QString kData = QStringLiteral(TOVARO_SOURCE_DIR "/data/");

}  // namespace

TEST(WordListRules, EverySystemHasItsListFileAndEditor) {
  struct Case {
    SystemId system;
    KanaInput input;
    const char* file;
    WordListFormat format;
    bool readingEditor;
    ListSpelling spelling;
  };
  const Case cases[] = {
      {BritishTwoHanded, KanaInput::Romaji, "ENGdefault.txt", WordListFormat::Plain, false, ListSpelling::Text},
      {IndonesianTwoHanded, KanaInput::Japanese, "INAdefault.txt", WordListFormat::Plain, false, ListSpelling::Text},
      {American, KanaInput::Romaji, "ENGdefault.txt", WordListFormat::Plain, false, ListSpelling::Text},
      {DerivedAmerican, KanaInput::Japanese, "ENGdefault.txt", WordListFormat::Plain, false, ListSpelling::Text},
      {JapaneseKana, KanaInput::Romaji, "RomajiDefault.txt", WordListFormat::Plain, false, ListSpelling::Romaji},
      {JapaneseKana, KanaInput::Japanese, "JSLdefault.txt", WordListFormat::Reading, true, ListSpelling::Text},
      {KoreanHangul, KanaInput::Romaji, "KSLdefault.html", WordListFormat::Html, false, ListSpelling::Text},
  };
  for (const Case& c : cases) {
    const WordListSource source = WordListOfSystem(c.system, c.input);
    EXPECT_EQ(source.FileName, QString::fromLatin1(c.file));
    EXPECT_EQ(source.Format, c.format);
    EXPECT_EQ(source.ReadingEditor, c.readingEditor);
    EXPECT_EQ(source.Spelling, c.spelling);
  }
}

TEST(WordListRules, WordsWithSeparatorsOrUnspellableCharactersAreRefused) {
  struct Case {
    const char* typed;
    SystemId system;
    ListSpelling spelling;
    bool ok;
    const char* word;
    const char* message;
  };
  const Case cases[] = {
      {"  jazz ", American, ListSpelling::Text, true, "jazz", ""},
      {"a,b", American, ListSpelling::Text, false, "a,b", "A word must not contain a comma or a double quote"},
      {"say \"hi\"", BritishTwoHanded, ListSpelling::Text, false, "say \"hi\"", "A word must not contain a comma or a double quote"},
      {"caf\xc3\xa9", American, ListSpelling::Text, true, "cafe", ""},
      {"\xef\xbd\x8a\xef\xbd\x81\xef\xbd\x9a\xef\xbd\x9a", American, ListSpelling::Text, true, "jazz", ""},
      {"\xe6\x97\xa5\xe6\x9c\xac", American, ListSpelling::Text, false, "\xe6\x97\xa5\xe6\x9c\xac", "Unsupported character(s) in the string"},
      {"gakkou", JapaneseKana, ListSpelling::Romaji, true, "gakkou", ""},
      {"xyz", JapaneseKana, ListSpelling::Romaji, false, "xyz", "Unsupported character(s) in the string"},
      {"\xed\x95\x99\xea\xb5\x90", KoreanHangul, ListSpelling::Text, true, "\xed\x95\x99\xea\xb5\x90", ""},
      {"   ", IndonesianTwoHanded, ListSpelling::Text, false, "", ""},
  };
  for (const Case& c : cases) {
    const ListWordCheck check = CheckListWord(QString::fromUtf8(c.typed), c.system, c.spelling);
    EXPECT_EQ(check.ok, c.ok) << c.typed;
    EXPECT_EQ(check.word, QString::fromUtf8(c.word));
    EXPECT_EQ(check.message.toStdString(), c.message) << c.typed;
  }
}

TEST(WordListRules, ReadingsAreStoredInHalfWidthKatakana) {
  EXPECT_EQ(HalfWidthKatakanaOf(u"がっこう"_qs), u"ｶﾞｯｺｳ"_qs);
  EXPECT_EQ(HalfWidthKatakanaOf(u"コーヒー"_qs), u"ｺｰﾋｰ"_qs);
  EXPECT_EQ(HalfWidthKatakanaOf(u"ぱん ヴ ｷｬ"_qs), u"ﾊﾟﾝ ｳﾞ ｷｬ"_qs);

  const ReadingWordCheck good = CheckReadingWord(u" きって "_qs, u"切手"_qs);
  EXPECT_TRUE(good.ok);
  EXPECT_EQ(good.reading, u"ｷｯﾃ"_qs);
  EXPECT_EQ(good.written, u"切手"_qs);
  EXPECT_EQ(CheckReadingWord(u"いぬ"_qs, u"犬,猫"_qs).message, kWordSeparatorMessage);
  EXPECT_EQ(CheckReadingWord(u"dog"_qs, u"犬"_qs).message, QStringLiteral("Unsupported character(s) in the string"));
  EXPECT_FALSE(CheckReadingWord(QString(), u"犬"_qs).ok);
}

TEST(WordListRules, ImportAddsGoodLinesAndNamesTheRefusedOnes) {
  // Accents fold as Start folds them and are named; a word the list holds, in any
  // case, or one an earlier line added, is refused.
  const WordImport plain = ImportWords(u"cat\r\n\r\na,b\r\n  dog \r\nnaïve\r\n日本\r\nCat\r\nbird\r\n"_qs,
                                       WordListOfSystem(American, KanaInput::Romaji), American, WordList{{u"bird"_qs}, {}});
  EXPECT_EQ(plain.added.Words, (QStringList{u"cat"_qs, u"dog"_qs, u"naive"_qs}));
  ASSERT_EQ(plain.refused.size(), 4u);
  EXPECT_EQ(plain.refused[0].line, 3);
  EXPECT_EQ(plain.refused[0].reason, kWordSeparatorMessage);
  EXPECT_EQ(plain.refused[1].line, 6);
  EXPECT_EQ(ImportReportText(plain),
            u"3 words added.\nAdded: cat, dog, naive\nLine 5 \"naïve\" added as \"naive\"\n4 line(s) refused:\n"
            "Line 3 \"a,b\": A word must not contain a comma or a double quote\n"
            "Line 6 \"日本\": Unsupported character(s) in the string\n"
            "Line 7 \"Cat\": already in the list\nLine 8 \"bird\": already in the list"_qs);

  const WordImport reading = ImportWords(u"いぬ,犬\nねこ\nネコ,猫\nイヌ,犬\n"_qs, WordListOfSystem(JapaneseKana, KanaInput::Japanese),
                                         JapaneseKana);
  EXPECT_EQ(reading.added.Words, (QStringList{u"ｲﾇ"_qs, u"ﾈｺ"_qs}));
  EXPECT_EQ(reading.added.Written, (QStringList{u"犬"_qs, u"猫"_qs}));
  ASSERT_EQ(reading.refused.size(), 2u);
  EXPECT_EQ(reading.refused[0].line, 2);
  EXPECT_EQ(reading.refused[1].reason, u"already in the list"_qs);
}

// Every shipped list: read as the program reads it, written back to the same bytes,
// long enough, and every word spelled by every system that uses the list with signs
// the shipped angle file has key frames for.
TEST(ShippedWordLists, EveryWordSpellsWithShapesInTheShippedTables) {
  struct Case {
    const char* file;
    std::vector<SystemId> systems;
    ListSpelling spelling;
    int least;
  };
  const Case cases[] = {
      {"ENGdefault.txt", {BritishTwoHanded, American, DerivedAmerican}, ListSpelling::Text, 300},
      {"INAdefault.txt", {IndonesianTwoHanded}, ListSpelling::Text, 300},
      {"RomajiDefault.txt", {JapaneseKana}, ListSpelling::Romaji, 200},
      {"JSLdefault.txt", {JapaneseKana}, ListSpelling::Text, 200},
      {"KSLdefault.html", {KoreanHangul}, ListSpelling::Text, 200},
  };
  for (const Case& c : cases) {
    const QString path = kData + QString::fromLatin1(c.file);
    const WordListFormat format = FormatOfWordListFile(path);
    const WordListLoad load = LoadWordListFile(path, format);
    ASSERT_TRUE(load.ok) << c.file << ": " << load.reason.toStdString();
    EXPECT_GE(load.list.Count(), c.least) << c.file;
    EXPECT_EQ(FormatWordList(load.list, format).toUtf8(), FileContents(path)) << c.file;
    EXPECT_EQ(std::set<QString>(load.list.Words.begin(), load.list.Words.end()).size(),
              size_t(load.list.Count())) << c.file << " repeats a word";
    for (const SystemId system : c.systems) {
      const auto table = LoadShippedTable(FindSystem(system).DataFileName(), TableHandsOfSystem(system));
      for (const QString& word : load.list.Words) {
        const auto codes = SignCodesOfWord(word, system, c.spelling);
        ASSERT_TRUE(codes) << c.file << ": system " << SystemNumber(system) << " cannot spell " << word.toStdString();
        for (const int16_t code : *codes)
          EXPECT_GT(table->KeyFrameCount(code), 0)
              << c.file << ": " << word.toStdString() << " needs sign " << code;
      }
    }
  }
}
