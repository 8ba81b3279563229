#include "cli/spell_command.h"

#include "support/command_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CommandRun Spell(const QStringList& arguments) { return RunCommand(RunSpellCommand, arguments); }

// The line printed for one text; `reading` is the katakana or hangul field, if any.
std::string Line(const std::string& text, bool result, int count, const std::string& codes,
                 const std::string& messages = "[]", const std::string& reading = "") {
  return "{\"text\": \"" + text + "\", \"result\": " + (result ? "true" : "false") +
         ", \"count\": " + std::to_string(count) + ", \"codes\": " + codes +
         ", \"messages\": " + messages + reading + "}\n";
}

}  // namespace

TEST(SpellCommand, PrintsOneJsonLinePerText) {
  const CommandRun run = Spell({"--system", "2", "hello", "Tt", "a b"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"text\": \"hello\", \"result\": true, \"count\": 5, \"codes\": "
            "[[8,0],[5,0],[12,16],[12,128],[15,0]], \"messages\": []}\n" +
                Line("Tt", true, 2, "[[27,16],[27,128]]") + Line("a b", true, 2, "[[1,0],[2,0]]"));
  EXPECT_TRUE(run.err.empty());
  // Texts are written as valid JSON strings, and what follows "--" is text.
  EXPECT_EQ(Spell({"--system", "0", "--", "a\"b\\c\td\x01", "--help"}).out,
            Line("a\\\"b\\\\c\\td\\u0001", true, 4, "[[1,0],[2,0],[3,0],[4,0]]") +
                Line("--help", true, 4, "[[8,0],[5,0],[12,0],[16,0]]"));
}

TEST(SpellCommand, StateCarriesFromOneTextToTheNextAndFailuresReportTheirMessages) {
  const std::string toukyou = "[[20,0],[3,0],[7,0],[38,2],[3,0]]";
  const std::string hanGug = "[[19,2],[20,3],[3,4],[1,1],[33,4],[1,7]]";
  const std::string twelve345 = "[[47,0],[80,0],[76,32],[68,0],[60,0],[51,0]]";
  const struct {
    QStringList arguments;
    std::string out;
  } cases[] = {
      {{"--system", "4", "--roman", "toukyou", "tchi", ""},
       Line("toukyou", true, 5, toukyou, "[]", R"(, "katakana": "ﾄｳｷｮｳ")") +
           Line("tchi", false, 5, toukyou, "[]", R"(, "katakana": "ﾄｳｷｮｳ")") +
           Line("", true, 0, "[]", "[]", R"(, "katakana": "")")},
      {{"--system", "5", "--roman", "--", "HanGug", "ga"},
       Line("HanGug", true, 6, hanGug, "[]", R"(, "hangul": "한국")") +
           Line("ga", false, 6, hanGug, "[]", R"(, "hangul": "한국")")},
      // Without --roman system 5 reads Hangul, and system 4 half-width katakana.
      {{"--system", "5", "닭"}, Line("닭", true, 4, "[[4,2],[20,3],[6,5],[1,6]]", "[]", R"(, "hangul": "닭")")},
      {{"--system", "4", "ｶﾞ"}, Line("ｶﾞ", true, 1, "[[6,4]]", "[]", R"(, "katakana": "ｶﾞ")")},
      {{"--system", "6", "12345", "12a", "100000000000"},
       Line("12345", true, 6, twelve345) + Line("12a", false, 6, twelve345, R"(["Invalid number"])") +
           Line("100000000000", false, 6, twelve345, R"(["The number is too big"])")},
      {{"--system", "6", "--numeral-base", "41", "7"}, Line("7", true, 1, "[[48,0]]")},
  };
  for (const auto& c : cases) {
    const CommandRun run = Spell(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(SpellCommand, WrongUsagePrintsTheUsageAndExitsWith2) {
  ExpectWrongUsage(RunSpellCommand, "spell",
                   {{}, {"hello"}, {"--system", "7", "a"}, {"--system", "x", "a"}, {"--system", "2"},
                    {"--system", "2", "--roman", "a"}, {"--system", "6", "--roman", "1"},
                    {"--system", "6", "--numeral-base", "222", "1"},
                    {"--system", "6", "--numeral-base", "-1", "1"},
                    {"--system", "2", "--bogus", "a"}, {"--system"}},
                   "--system S");
}

TEST(SpellCommand, NormalizeSpellsTypedFormsAsTheProgramDoesOnStart) {
  // Without the flag kana and full-width letters are what they are.
  EXPECT_EQ(Spell({"--system", "4", "ありがとう"}).out.find("\"result\": true"), std::string::npos);
  const struct {
    QStringList arguments;
    std::string same;  // the text that spells the same without the flag
    std::string normalized;
  } cases[] = {
      {{"--system", "4", "--normalize", "ありがとう"}, "ｱﾘｶﾞﾄｳ", "ｱﾘｶﾞﾄｳ"},
      {{"--system", "4", "--normalize", "アリガトウ"}, "ｱﾘｶﾞﾄｳ", "ｱﾘｶﾞﾄｳ"},
      {{"--system", "2", "--normalize", "ｈéllo１"}, "hello1", "hello1"},
      {{"--system", "5", "--roman", "--normalize", "annyeong"}, "AnNyeong", "AnNyeong"},
  };
  for (const auto& c : cases) {
    const std::string line = Spell(c.arguments).out;
    QStringList plain = c.arguments;
    plain.removeAll(QStringLiteral("--normalize"));
    plain.last() = QString::fromStdString(c.same);
    std::string expected = Spell(plain).out;
    const auto textEnd = expected.find("\", \"result\"");
    expected.replace(10, textEnd - 10, c.arguments.last().toStdString());
    expected.insert(expected.size() - 2, ", \"normalized\": \"" + c.normalized + "\"");
    EXPECT_EQ(line, expected);
    EXPECT_NE(line.find("\"result\": true"), std::string::npos) << line;
  }
}
