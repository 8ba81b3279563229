#include "shell/font_list.h"

#include <gtest/gtest.h>

namespace {

TEST(FontList, OffersNeitherVerticalFamiliesNorEmptyNames) {
  const QStringList reported{QStringLiteral("IPAGothic"), QStringLiteral("@IPAGothic"),
                             QStringLiteral("@MS Mincho"), QString(),
                             QStringLiteral("MS Mincho"), QStringLiteral("IPAGothic")};
  EXPECT_EQ(OfferedFontNames(reported),
            (QStringList{QStringLiteral("IPAGothic"), QStringLiteral("MS Mincho")}));
}

TEST(FontList, CutsANameAtItsFirstNul) {
  const QString padded = QStringLiteral("Gulim") + QChar(u'\0') + QStringLiteral("junk");
  const QString vertical = QStringLiteral("@Gulim") + QChar(u'\0');
  const QString nothing = QString(QChar(u'\0')) + QStringLiteral("Batang");
  EXPECT_EQ(OfferedFontNames({padded, vertical, nothing}), QStringList{QStringLiteral("Gulim")});
}

// The font window's test shows both lists asked for and kept in the reported order.
TEST(FontList, NoSourceGivesEmptyLists) {
  const FontLists none = FontList(FontFamilySource{});
  EXPECT_TRUE(none.Japanese.isEmpty());
  EXPECT_TRUE(none.Korean.isEmpty());
}

}  // namespace
