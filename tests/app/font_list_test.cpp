#include "app/font_list.h"

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

TEST(FontList, AsksForEachScriptAndKeepsTheReportedOrder) {
  std::vector<FontScript> asked;
  const FontLists lists = FontList([&asked](FontScript script) {
    asked.push_back(script);
    return script == FontScript::Japanese
               ? QStringList{QStringLiteral("Z Gothic"), QStringLiteral("@Z Gothic"),
                             QStringLiteral("A Mincho")}
               : QStringList{QStringLiteral("Nanum Gothic"), QStringLiteral("@Batang"),
                             QStringLiteral("Batang")};
  });
  EXPECT_EQ(asked, (std::vector{FontScript::Japanese, FontScript::Korean}));
  EXPECT_EQ(lists.Japanese, (QStringList{QStringLiteral("Z Gothic"), QStringLiteral("A Mincho")}));
  EXPECT_EQ(lists.Korean, (QStringList{QStringLiteral("Nanum Gothic"), QStringLiteral("Batang")}));

  const FontLists none = FontList(FontFamilySource{});
  EXPECT_TRUE(none.Japanese.isEmpty());
  EXPECT_TRUE(none.Korean.isEmpty());
}

}  // namespace
