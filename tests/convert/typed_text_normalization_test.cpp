#include "convert/typed_text_normalization.h"

#include "convert/ksl_class.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char16_t* typed;
  int system;
  bool romanized;
  const char16_t* expected;
};

}  // namespace

TEST(TypedTextNormalization, TypedFormsBecomeTheFormTheConverterReads) {
  const Case cases[] = {
      // Japanese read as kana: hiragana, full-width and half-width katakana alike.
      {u"ありがとう", 4, false, u"ｱﾘｶﾞﾄｳ"},
      {u"アリガトウ", 4, false, u"ｱﾘｶﾞﾄｳ"},
      {u"ｱﾘｶﾞﾄｳ", 4, false, u"ｱﾘｶﾞﾄｳ"},
      {u"しゅわ", 4, false, u"ｼｭﾜ"},
      {u"ぱーてぃー", 4, false, u"ﾊﾟｰﾃｨｰ"},
      {u"ヴ", 4, false, u"ｳﾞ"},
      {u"漢字", 4, false, u"漢字"},
      // Full-width Latin letters and digits for every system.
      {u"ＡＢＣ　ｄｅｆ", 2, false, u"ABC def"},
      {u"１２３", 6, false, u"123"},
      {u"ｓｈｕｗａ", 4, true, u"shuwa"},
      {u"ＳＨＵＷＡ", 4, false, u"SHUWA"},
      {u"１２", 4, false, u"12"},
      // Accented Latin folds for the alphabets only.
      {u"héllo", 0, false, u"hello"},
      {u"ñandú", 2, false, u"nandu"},
      {u"Øresund", 1, false, u"Oresund"},
      {u"héllo", 4, true, u"héllo"},
      // Half-width text, Hangul and other scripts pass.
      {u"hello, 123", 3, false, u"hello, 123"},
      {u"안녕", 5, false, u"안녕"},
      {u"Ωμέγα", 6, false, u"Ωμέγα"},
      // Revised Romanization for KSL typed in roman letters.
      {u"annyeong", 5, true, u"AnNyeong"},
      {u"saranghae", 5, true, u"SaRangHae"},
      {u"seoul", 5, true, u"SeoUl"},
      {u"oppa", 5, true, u"OPpa"},
      {u"ａｎｎｙｅｏｎｇ", 5, true, u"AnNyeong"},
      {u"AnNyeong", 5, true, u"AnNyeong"},
      {u"annyeong", 5, false, u"annyeong"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeTypedText(QString::fromUtf16(c.typed), c.system, c.romanized),
              QString::fromUtf16(c.expected))
        << QString::fromUtf16(c.typed).toStdString() << " system " << c.system;
  }
}

TEST(TypedTextNormalization, RevisedRomanizationReachesTheConverterAsHangul) {
  const std::pair<const char16_t*, const char16_t*> words[] = {
      {u"annyeong", u"안녕"},   {u"saranghae", u"사랑해"}, {u"hangeul", u"항을"},
      {u"kimchi", u"킴치"},     {u"seoul", u"서울"},       {u"junggang", u"중강"},
      {u"gamsahamnida", u"감사함니다"},
  };
  for (const auto& [typed, hangul] : words) {
    KslClass ksl;
    const QString split = CapitalisedKoreanSyllables(QString::fromUtf16(typed));
    ASSERT_TRUE(ksl.RomanText(split)) << split.toStdString();
    EXPECT_EQ(ksl.HangulString(), QString::fromUtf16(hangul)) << split.toStdString();
  }
}

TEST(TypedTextNormalization, WhatAnAlphabetPassesOverIsNamedOnce) {
  EXPECT_EQ(UnspelledStatus(u"abc 123"_qs), u"Not spelled: 1 2 3"_qs);
  EXPECT_EQ(UnspelledStatus(u"don't, don't!"_qs), u"Not spelled: ' , !"_qs);
  EXPECT_EQ(UnspelledStatus(u"Hello World"_qs), QString());
  EXPECT_EQ(UnspelledCharacters(u"a😀b😀"_qs), QStringList{u"😀"_qs});
}
