#include "convert/typed_text_normalization.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"

#include <gtest/gtest.h>

namespace {

using enum SystemId;

struct Case {
  const char16_t* typed;
  SystemId system;
  bool romanized;
  const char16_t* expected;
};

}  // namespace

TEST(TypedTextNormalization, TypedFormsBecomeTheFormTheConverterReads) {
  const Case cases[] = {
      // Japanese read as kana: hiragana, full-width and half-width katakana alike.
      {u"ありがとう", JapaneseKana, false, u"ｱﾘｶﾞﾄｳ"},
      {u"アリガトウ", JapaneseKana, false, u"ｱﾘｶﾞﾄｳ"},
      {u"ｱﾘｶﾞﾄｳ", JapaneseKana, false, u"ｱﾘｶﾞﾄｳ"},
      {u"しゅわ", JapaneseKana, false, u"ｼｭﾜ"},
      {u"ぱーてぃー", JapaneseKana, false, u"ﾊﾟｰﾃｨｰ"},
      {u"ヴ", JapaneseKana, false, u"ｳﾞ"},
      {u"漢字", JapaneseKana, false, u"漢字"},
      // Full-width Latin letters and digits for every system.
      {u"ＡＢＣ　ｄｅｆ", American, false, u"ABC def"},
      {u"１２３", Numerals, false, u"123"},
      {u"ｓｈｕｗａ", JapaneseKana, true, u"shuwa"},
      {u"ＳＨＵＷＡ", JapaneseKana, false, u"SHUWA"},
      {u"１２", JapaneseKana, false, u"12"},
      // Accented Latin folds for the alphabets only.
      {u"héllo", BritishTwoHanded, false, u"hello"},
      {u"ñandú", American, false, u"nandu"},
      {u"Øresund", IndonesianTwoHanded, false, u"Oresund"},
      {u"héllo", JapaneseKana, true, u"héllo"},
      // Half-width text, Hangul and other scripts pass.
      {u"hello, 123", DerivedAmerican, false, u"hello, 123"},
      {u"안녕", KoreanHangul, false, u"안녕"},
      {u"Ωμέγα", Numerals, false, u"Ωμέγα"},
      // Revised Romanization for KSL typed in roman letters.
      {u"annyeong", KoreanHangul, true, u"AnNyeong"},
      {u"saranghae", KoreanHangul, true, u"SaRangHae"},
      {u"seoul", KoreanHangul, true, u"SeoUl"},
      {u"oppa", KoreanHangul, true, u"OPpa"},
      {u"ａｎｎｙｅｏｎｇ", KoreanHangul, true, u"AnNyeong"},
      {u"AnNyeong", KoreanHangul, true, u"AnNyeong"},
      {u"annyeong", KoreanHangul, false, u"annyeong"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeTypedText(QString::fromUtf16(c.typed), c.system, c.romanized),
              QString::fromUtf16(c.expected))
        << QString::fromUtf16(c.typed).toStdString() << " system " << SystemNumber(c.system);
  }
}

TEST(TypedTextNormalization, RevisedRomanizationReachesTheConverterAsHangul) {
  const std::pair<const char16_t*, const char16_t*> words[] = {
      {u"annyeong", u"안녕"},   {u"saranghae", u"사랑해"}, {u"hangeul", u"항을"},
      {u"kimchi", u"킴치"},     {u"seoul", u"서울"},       {u"junggang", u"중강"},
      {u"gamsahamnida", u"감사함니다"},
  };
  for (const auto& [typed, hangul] : words) {
    const QString split = CapitalisedKoreanSyllables(QString::fromUtf16(typed));
    const ConversionResult converted = FindSystem(SystemId::KoreanHangul).ConvertRomanized(split);
    ASSERT_TRUE(std::holds_alternative<Conversion>(converted)) << split.toStdString();
    EXPECT_EQ(std::get<Conversion>(converted).shownText, QString::fromUtf16(hangul)) << split.toStdString();
  }
}

TEST(TypedTextNormalization, WhatAnAlphabetPassesOverIsNamedOnce) {
  EXPECT_EQ(UnspelledStatus(u"abc 123"_qs), u"Not spelled: 1 2 3"_qs);
  EXPECT_EQ(UnspelledStatus(u"don't, don't!"_qs), u"Not spelled: ' , !"_qs);
  EXPECT_EQ(UnspelledStatus(u"Hello World"_qs), QString());
  EXPECT_EQ(UnspelledCharacters(u"a😀b😀"_qs), QStringList{u"😀"_qs});
}
