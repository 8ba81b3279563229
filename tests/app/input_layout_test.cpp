#include "app/input_layout.h"

#include "app/caption_table.h"
#include "app/font_description.h"

#include <gtest/gtest.h>

TEST(InputLayout, TheAlphabetsSpellOneBoxOfLettersWithoutInputMethod) {
  const InputLayout layout = AlphabetLayout();
  EXPECT_FALSE(layout.MethodButtonVisible);
  EXPECT_FALSE(layout.NumericVisible);
  EXPECT_EQ(layout.WordBoxVisible, false);
  EXPECT_EQ(layout.WordLabelVisible, false);
  EXPECT_EQ(layout.ReadingLabelCaption, WordCaption);
  EXPECT_EQ(layout.ReadingFont, ReadingBoxFont::EnglishAtTwelve);
  EXPECT_EQ(layout.ReadingInputMethod, InputMethodMode::Disabled);
  EXPECT_EQ(layout.WordBoxFont, std::nullopt);
  EXPECT_EQ(layout.WordInputMethod, InputMethodMode::Unchanged);
  EXPECT_EQ(layout.SignLabelCaption, std::nullopt);  // the system's own name is set apart
  EXPECT_FALSE(layout.NumericMode);
}

TEST(InputLayout, JslTypesRomajiOrAWordThroughTheInputMethodAccordingToTheInterface) {
  for (const int16_t language : {int16_t{0}, int16_t{1}}) {
    const InputLayout layout = JslLayout(language);
    EXPECT_FALSE(layout.MethodButtonVisible);
    EXPECT_TRUE(layout.NumericVisible);
    EXPECT_FALSE(layout.NumericChecked);
    EXPECT_EQ(layout.WordBoxVisible, true);
    EXPECT_EQ(layout.WordLabelVisible, true);
    EXPECT_EQ(layout.WordLabelCaption, WordCaption);
    EXPECT_EQ(layout.ReadingLabelCaption, KatakanaCaption);
    EXPECT_EQ(layout.ReadingFont, ReadingBoxFont::Japanese);
    EXPECT_EQ(layout.ReadingInputMethod, InputMethodMode::Hiragana);
    EXPECT_EQ(layout.SignLabelCaption, FirstSystemCaption + 4);
    EXPECT_FALSE(layout.NumericMode);
  }
  EXPECT_EQ(JslLayout(0).WordBoxFont, EnglishFont);
  EXPECT_EQ(JslLayout(0).WordInputMethod, InputMethodMode::Closed);
  EXPECT_EQ(JslLayout(1).WordBoxFont, JapaneseFont);
  EXPECT_EQ(JslLayout(1).WordInputMethod, InputMethodMode::Opened);
}

TEST(InputLayout, KslShowsTheWordBoxOnlyForRomanizedKorean) {
  const InputLayout roman = KslLayout(false);
  EXPECT_TRUE(roman.MethodButtonVisible);
  EXPECT_TRUE(roman.NumericVisible);
  EXPECT_FALSE(roman.NumericChecked);
  EXPECT_EQ(roman.WordBoxVisible, true);
  EXPECT_EQ(roman.WordLabelVisible, false);
  EXPECT_EQ(roman.ReadingLabelCaption, WordCaption);
  EXPECT_EQ(roman.ReadingFont, ReadingBoxFont::Korean);
  EXPECT_EQ(roman.ReadingInputMethod, InputMethodMode::Unchanged);
  EXPECT_EQ(roman.WordInputMethod, InputMethodMode::Closed);
  EXPECT_EQ(roman.SignLabelCaption, FirstSystemCaption + 5);

  const InputLayout hangul = KslLayout(true);
  EXPECT_EQ(hangul.WordBoxVisible, false);
  EXPECT_EQ(hangul.ReadingInputMethod, InputMethodMode::Hangul);
  EXPECT_EQ(hangul.WordInputMethod, InputMethodMode::Unchanged);
  EXPECT_FALSE(hangul.NumericMode);
}

TEST(InputLayout, TheNumeralsAreTypedAsDigitsInTheLowerBox) {
  const InputLayout layout = NumericLayout();
  EXPECT_FALSE(layout.MethodButtonVisible);
  EXPECT_TRUE(layout.NumericVisible);
  EXPECT_TRUE(layout.NumericChecked);
  EXPECT_EQ(layout.WordBoxVisible, false);
  EXPECT_EQ(layout.WordLabelVisible, std::nullopt);
  EXPECT_EQ(layout.ReadingLabelCaption, NumericCaption);
  EXPECT_EQ(layout.ReadingFont, ReadingBoxFont::Unchanged);
  EXPECT_EQ(layout.ReadingInputMethod, InputMethodMode::Disabled);
  EXPECT_EQ(layout.SignLabelCaption, NumeralSystemCaption);
  EXPECT_TRUE(layout.NumericMode);
}
