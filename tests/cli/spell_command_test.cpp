#include "cli/spell_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

CommandRun Spell(const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = RunSpellCommand(arguments, {out, err});
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(SpellCommand, PrintsOneJsonLinePerText) {
  const CommandRun run = Spell({"--system", "2", "hello", "Tt", "a b"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"text\": \"hello\", \"result\": true, \"count\": 5, \"codes\": "
            "[[8,0],[5,0],[12,16],[12,128],[15,0]], \"messages\": []}\n"
            "{\"text\": \"Tt\", \"result\": true, \"count\": 2, \"codes\": [[27,16],[27,128]], "
            "\"messages\": []}\n"
            "{\"text\": \"a b\", \"result\": true, \"count\": 2, \"codes\": [[1,0],[2,0]], "
            "\"messages\": []}\n");
  EXPECT_TRUE(run.err.empty());
  // Only ASL has its own T.
  EXPECT_NE(Spell({"--system", "3", "t"}).out.find("[[20,0]]"), std::string::npos);
}

TEST(SpellCommand, StateCarriesFromOneTextToTheNext) {
  const CommandRun run = Spell({"--system", "4", "--roman", "toukyou", "tchi", ""});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"text\": \"toukyou\", \"result\": true, \"count\": 5, \"codes\": "
            "[[20,0],[3,0],[7,0],[38,2],[3,0]], \"messages\": [], \"katakana\": \"ﾄｳｷｮｳ\"}\n"
            "{\"text\": \"tchi\", \"result\": false, \"count\": 5, \"codes\": "
            "[[20,0],[3,0],[7,0],[38,2],[3,0]], \"messages\": [], \"katakana\": \"ﾄｳｷｮｳ\"}\n"
            "{\"text\": \"\", \"result\": true, \"count\": 0, \"codes\": [], \"messages\": [], "
            "\"katakana\": \"\"}\n");

  const CommandRun hangul = Spell({"--system", "5", "--roman", "--", "HanGug", "ga"});
  EXPECT_EQ(hangul.out,
            "{\"text\": \"HanGug\", \"result\": true, \"count\": 6, \"codes\": "
            "[[19,2],[20,3],[3,4],[1,1],[33,4],[1,7]], \"messages\": [], \"hangul\": \"한국\"}\n"
            "{\"text\": \"ga\", \"result\": false, \"count\": 6, \"codes\": "
            "[[19,2],[20,3],[3,4],[1,1],[33,4],[1,7]], \"messages\": [], \"hangul\": \"한국\"}\n");

  // Without --roman system 5 reads Hangul, and a kana text gives katakana too.
  EXPECT_NE(Spell({"--system", "5", "닭"}).out.find("\"codes\": [[4,2],[20,3],[6,5],[1,6]]"),
            std::string::npos);
  EXPECT_NE(Spell({"--system", "4", "ｶﾞ"}).out.find("\"katakana\": \"ｶﾞ\"}"), std::string::npos);
}

TEST(SpellCommand, NumeralsReportTheirMessagesAndUseTheGivenBase) {
  const CommandRun run = Spell({"--system", "6", "12345", "12a", "100000000000"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"text\": \"12345\", \"result\": true, \"count\": 6, \"codes\": "
            "[[47,0],[80,0],[76,32],[68,0],[60,0],[51,0]], \"messages\": []}\n"
            "{\"text\": \"12a\", \"result\": false, \"count\": 6, \"codes\": "
            "[[47,0],[80,0],[76,32],[68,0],[60,0],[51,0]], \"messages\": [\"Invalid number\"]}\n"
            "{\"text\": \"100000000000\", \"result\": false, \"count\": 6, \"codes\": "
            "[[47,0],[80,0],[76,32],[68,0],[60,0],[51,0]], \"messages\": [\"The number is too "
            "big\"]}\n");
  EXPECT_EQ(Spell({"--system", "6", "--numeral-base", "41", "7"}).out,
            "{\"text\": \"7\", \"result\": true, \"count\": 1, \"codes\": [[48,0]], "
            "\"messages\": []}\n");
}

TEST(SpellCommand, TextsAreWrittenAsValidJsonStrings) {
  const CommandRun run = Spell({"--system", "0", "--", "a\"b\\c\td\x01", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"text\": \"a\\\"b\\\\c\\td\\u0001\", \"result\": true, \"count\": 4, \"codes\": "
            "[[1,0],[2,0],[3,0],[4,0]], \"messages\": []}\n"
            "{\"text\": \"--help\", \"result\": true, \"count\": 4, \"codes\": "
            "[[8,0],[5,0],[12,0],[16,0]], \"messages\": []}\n");
}

TEST(SpellCommand, WrongUsagePrintsTheUsageAndExitsWith2) {
  for (const QStringList& arguments :
       {QStringList{}, QStringList{"hello"}, QStringList{"--system", "7", "a"},
        QStringList{"--system", "x", "a"}, QStringList{"--system", "2"},
        QStringList{"--system", "2", "--roman", "a"}, QStringList{"--system", "6", "--roman", "1"},
        QStringList{"--system", "6", "--numeral-base", "222", "1"},
        QStringList{"--system", "6", "--numeral-base", "-1", "1"},
        QStringList{"--system", "2", "--bogus", "a"}, QStringList{"--system"}}) {
    const CommandRun run = Spell(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_NE(run.err.find("Usage: tovaro-cli spell"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  const CommandRun help = Spell({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--system S"), std::string::npos);
}
