#include "cli/reading_command.h"

#include "convert/kanji_reading.h"
#include "support/command_run.h"

#include <gtest/gtest.h>

TEST(ReadingCommand, PrintsTheHalfWidthReadingOfEachText) {
  const CommandRun run = RunCommand(
      RunReadingCommand, {"手話", "漢字", "ありがとう", "東京タワー", "ＡＢＣ", "shuwa", "2人"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "ｼｭﾜ\nｶﾝｼﾞ\nｱﾘｶﾞﾄｳ\nﾄｳｷｮｳﾀﾜｰ\nABC\nshuwa\n2ﾆﾝ\n");
}

TEST(ReadingCommand, ATextWithoutReadingSaysSoAndEndsWith1) {
  // 𠀋 is a kanji of the supplementary plane that the dictionary does not hold.
  const CommandRun run = RunCommand(RunReadingCommand, {"手話", "𠀋", "かな"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "ｼｭﾜ\nError: no reading for 𠀋\nｶﾅ\n");
  ExpectWrongUsage(RunReadingCommand, "reading", {{}, {"--system", "4", "手話"}}, "katakana");
}

TEST(KanjiReading, CommittedTextNeedsTheDictionaryOnlyForWideCharacters) {
  EXPECT_EQ(SingleByteForm(u"ｶﾝｼﾞ"_qs), u"ｶﾝｼﾞ"_qs);
  EXPECT_EQ(SingleByteForm(u"かんじ"_qs), u"ｶﾝｼﾞ"_qs);
  EXPECT_EQ(SingleByteForm(u"ｓｈｕｗａ"_qs), u"shuwa"_qs);
  EXPECT_EQ(SingleByteForm(u"感じ"_qs), std::nullopt);
  EXPECT_EQ(SingleByteForm(u"안녕"_qs), std::nullopt);
}
