#include "shell/system_language.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

SystemLanguage Of(const char* name) { return SystemLanguageOf(QLocale(QString::fromLatin1(name))); }

// Which option and note each language pre-selects is the language window's own test.
TEST(SystemLanguage, NamesTheLanguageWhateverTheCountry) {
  EXPECT_EQ(Of("ja_JP"), SystemLanguage::Japanese);
  for (const char* english : {"en_US", "en_GB", "en_AU", "en_CA", "en_NZ", "en_IE", "en_ZA",
                              "en_JM", "en_BZ", "en_TT", "en_IN", "en_SG"})
    EXPECT_EQ(Of(english), SystemLanguage::English) << english;
  EXPECT_EQ(Of("ko_KR"), SystemLanguage::Korean);
  EXPECT_EQ(Of("id_ID"), SystemLanguage::Indonesian);
  for (const char* other : {"de_DE", "fr_FR", "zh_CN", "zh_TW", "ms_MY", "C"})
    EXPECT_EQ(Of(other), SystemLanguage::Other) << other;
}

}  // namespace
