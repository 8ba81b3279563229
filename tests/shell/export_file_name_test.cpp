#include "shell/export_file_name.h"

#include <gtest/gtest.h>

TEST(ExportFileName, TheWordStartWouldSpellAsAGifWithNothingThatLeavesTheFolderOrMovesTheExtension) {
  const struct {
    SystemId system;
    bool numeric;
    const char16_t* wordBox;
    const char16_t* readingBox;
    const char16_t* expected;
  } cases[] = {
      {SystemId::American, false, u"", u" hello ", u"hello.gif"},
      {SystemId::American, true, u"", u"1984", u"1984.gif"},
      {SystemId::JapaneseKana, false, u"neko", u"ネコ", u"neko.gif"},
      {SystemId::JapaneseKana, false, u"", u"ぶどう", u"ぶどう.gif"},
      {SystemId::KoreanHangul, false, u"saram", u"사람", u"saram.gif"},
      {SystemId::American, false, u"", u"../a.b\\c\td", u"___a_b_c_d.gif"},
      {SystemId::American, false, u"", u"  ", u""},
  };
  for (const auto& c : cases) {
    InputModes modes;
    modes.System = c.system;
    modes.NumericMode = c.numeric;
    const StartTexts texts{QString::fromUtf16(c.wordBox), QString::fromUtf16(c.readingBox), QStringLiteral("100")};
    EXPECT_EQ(SuggestedExportName(modes, texts), QString::fromUtf16(c.expected)) << texts.ReadingBox.toStdString();
  }
}
