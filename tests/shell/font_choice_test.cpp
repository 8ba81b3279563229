#include "shell/font_choice.h"

#include <gtest/gtest.h>

namespace {

FontChoice Check(const char* japaneseSize, const char* koreanSize) {
  return CheckFontChoice(QStringLiteral("IPAGothic"), QString::fromLatin1(japaneseSize),
                         QStringLiteral("NanumGothic"), QString::fromLatin1(koreanSize));
}

TEST(FontChoice, TakesBothNamesAndRoundedSizes) {
  const FontChoice choice = Check("12", "10.5");
  ASSERT_EQ(choice.Result, FontChoice::Outcome::Accepted);
  EXPECT_EQ(choice.Japanese, (FontDescription{QStringLiteral("IPAGothic"), 12}));
  // Halves round to even, and a size is read up to the first character that is no number.
  EXPECT_EQ(choice.Korean, (FontDescription{QStringLiteral("NanumGothic"), 10}));
  EXPECT_EQ(Check("11.5", "14pt").Japanese.Size, 12);
  EXPECT_EQ(Check("11.5", "14pt").Korean.Size, 14);
  EXPECT_EQ(Check("1", "0.6").Result, FontChoice::Outcome::Accepted);
  // Sizes below 6 are raised to 6; 72 is the largest the windows are laid out for.
  EXPECT_EQ(Check("72", "1").Result, FontChoice::Outcome::Accepted);
  EXPECT_EQ(Check("72", "1").Japanese.Size, 72);
  EXPECT_EQ(Check("72", "1").Korean.Size, 6);

  const FontChoice trimmed = CheckFontChoice(QStringLiteral("  IPA Gothic "), QStringLiteral("9"),
                                             QStringLiteral("Batang\t"), QStringLiteral("9"));
  EXPECT_EQ(trimmed.Japanese.Name, QStringLiteral("IPA Gothic"));
  EXPECT_EQ(trimmed.Korean.Name, QStringLiteral("Batang"));
}

TEST(FontChoice, RefusesASizeBelowOneOrOneTheSettingsCannotKeep) {
  const QString belowOne = QStringLiteral("Font size must be bigger than 0");
  const QString tooBig = QStringLiteral("Font size is too big");
  const struct {
    const char* japanese;
    const char* korean;
    QString message;
  } cases[] = {
      {"12", "0", belowOne},  {"0", "12", belowOne},   {"12", "", belowOne},     {"-3", "12", belowOne},
      {"12", "0.5", belowOne}, {"big", "12", belowOne}, {"-1e99", "12", belowOne}, {"12", "73", tooBig},
      {"12", "32767", tooBig}, {"12", "32768", tooBig}, {"12", "1e9", tooBig},    {"12", "1e999", tooBig},
  };
  for (const auto& c : cases) {
    const FontChoice choice = Check(c.japanese, c.korean);
    EXPECT_EQ(choice.Result, FontChoice::Outcome::Refused) << c.japanese << " " << c.korean;
    EXPECT_EQ(choice.Message, c.message) << c.japanese << " " << c.korean;
    EXPECT_EQ(choice.Japanese, FontDescription{});
    EXPECT_EQ(choice.Korean, FontDescription{});
  }
}

TEST(FontChoice, AnEmptyNameDoesNothing) {
  for (const QString& empty : {QString(), QStringLiteral("   ")}) {
    // Checked before the sizes: an empty name with a bad size still does nothing.
    EXPECT_EQ(CheckFontChoice(empty, QStringLiteral("0"), QStringLiteral("Batang"),
                              QStringLiteral("0"))
                  .Result,
              FontChoice::Outcome::Incomplete);
    const FontChoice choice = CheckFontChoice(QStringLiteral("IPAGothic"), QStringLiteral("12"),
                                              empty, QStringLiteral("12"));
    EXPECT_EQ(choice.Result, FontChoice::Outcome::Incomplete);
    EXPECT_TRUE(choice.Message.isEmpty());
  }
}

}  // namespace
