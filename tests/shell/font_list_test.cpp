#include "shell/font_list.h"

#include <gtest/gtest.h>

namespace {

TEST(FontList, OffersNeitherVerticalFamiliesNorEmptyNamesAndCutsANameAtItsFirstNul) {
  const QStringList reported{QStringLiteral("IPAGothic"), QStringLiteral("@IPAGothic"),
                             QStringLiteral("@MS Mincho"), QString(),
                             QStringLiteral("MS Mincho"), QStringLiteral("IPAGothic"),
                             QStringLiteral("Gulim") + QChar(u'\0') + QStringLiteral("junk"),
                             QStringLiteral("@Gulim") + QChar(u'\0'),
                             QString(QChar(u'\0')) + QStringLiteral("Batang")};
  EXPECT_EQ(OfferedFontNames(reported),
            (QStringList{QStringLiteral("IPAGothic"), QStringLiteral("MS Mincho"), QStringLiteral("Gulim")}));
}

// The font window's test shows both lists asked for and kept in the reported order.
TEST(FontList, NoSourceGivesEmptyLists) {
  const FontLists none = FontList(FontFamilySource{});
  EXPECT_TRUE(none.Japanese.isEmpty());
  EXPECT_TRUE(none.Korean.isEmpty());
}

}  // namespace
