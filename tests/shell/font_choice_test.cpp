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

TEST(FontChoice, RefusesASizeBelowOne) {
  for (const auto& [japanese, korean] : std::initializer_list<std::pair<const char*, const char*>>{
           {"12", "0"}, {"0", "12"}, {"12", ""}, {"-3", "12"}, {"12", "0.5"}, {"big", "12"},
           {"-1e99", "12"}}) {
    const FontChoice choice = Check(japanese, korean);
    EXPECT_EQ(choice.Result, FontChoice::Outcome::Refused) << japanese << " " << korean;
    EXPECT_EQ(choice.Message, QStringLiteral("Font size must be bigger than 0"));
    EXPECT_EQ(choice.Japanese, FontDescription{});
    EXPECT_EQ(choice.Korean, FontDescription{});
  }
}

TEST(FontChoice, RefusesASizeTheSettingsCannotKeep) {
  for (const char* size : {"73", "32767", "32768", "1e9", "1e999"}) {
    const FontChoice choice = Check("12", size);
    EXPECT_EQ(choice.Result, FontChoice::Outcome::Refused) << size;
    EXPECT_EQ(choice.Message, QStringLiteral("Font size is too big"));
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
