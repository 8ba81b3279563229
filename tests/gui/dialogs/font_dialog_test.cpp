#include "gui/dialogs/font_dialog.h"

#include "gui/dialogs/installed_fonts.h"
#include "support/gui_test_suites.h"
#include "support/list_items.h"
#include "support/main_window_harness.h"
#include "support/modal_answer.h"

#include <QLineEdit>
#include <QRawFont>
#include <QtTest>

namespace {

// What a machine with a vertical-writing twin of each family reports.
QStringList FakeFamilies(FontScript script) {
  if (script == FontScript::Japanese)
    return {QStringLiteral("@MS Gothic"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
            QStringLiteral("@IPAGothic")};
  return {QStringLiteral("Gulim"), QStringLiteral("@Gulim"), QStringLiteral("NanumGothic")};
}

const FontDescription kJapanese{QStringLiteral("MS Gothic"), 11};
const FontDescription kKorean{QStringLiteral("Batang"), 13};

std::array<FontDescription, 3> FontsInUse() {
  std::array<FontDescription, 3> fonts = DefaultFonts();
  fonts[JapaneseFont] = kJapanese;
  fonts[KoreanFont] = kKorean;
  return fonts;
}

}  // namespace

class FontDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void theInstalledFontsWriteJapaneseAndKorean() {
    FontDialog window(InstalledFontFamilies);
    window.InitialSet(DefaultFonts());
    const FontLists& lists = window.Lists();
    QVERIFY2(!lists.Japanese.isEmpty(), "no Japanese font is installed");
    QVERIFY2(!lists.Korean.isEmpty(), "no Korean font is installed");
    for (const QString& name : lists.Japanese + lists.Korean) QVERIFY(!name.startsWith(u'@'));

    // Some listed family draws kana and kanji, and some draws Hangul, as glyphs.
    auto draws = [](const QStringList& families, const QString& text) {
      for (const QString& family : families) {
        const QRawFont raw = QRawFont::fromFont(QFont(family));
        bool all = raw.isValid();
        for (const QChar c : text) all = all && raw.supportsCharacter(c);
        if (all) return true;
      }
      return false;
    };
    QVERIFY(draws(lists.Japanese, QStringLiteral("ファイル終了読み手")));
    QVERIFY(draws(lists.Korean, QStringLiteral("한국어")));
  }

  void listsTheFontsWithoutVerticalFamiliesAndOkStoresTheChosenOnes() {
    FontDialog window(FakeFamilies);
    window.InitialSet(FontsInUse());
    QCOMPARE(Items(*window.CmbJp), (QStringList{"MS Gothic", "IPAGothic"}));
    QCOMPARE(Items(*window.CmbKr), (QStringList{"Gulim", "NanumGothic"}));
    // The current fonts, whether listed or not.
    QCOMPARE(window.CmbJp->currentText(), QStringLiteral("MS Gothic"));
    QCOMPARE(window.CmbKr->currentText(), QStringLiteral("Batang"));
    QCOMPARE(window.TxtJp->text(), QStringLiteral("11"));
    QCOMPARE(window.TxtKr->text(), QStringLiteral("13"));

    AnswerNextModal<FontDialog>([](FontDialog& shown) {
      shown.CmbJp->setCurrentIndex(1);
      shown.CmbKr->setEditText(QStringLiteral("Nanum Myeongjo"));
      shown.TxtJp->setText(QStringLiteral("14"));
      shown.TxtKr->setText(QStringLiteral("12.5"));
      QTest::mouseClick(shown.btnOK, Qt::LeftButton);
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    const auto chosen = window.Fonts();
    QCOMPARE(chosen[JapaneseFont], (FontDescription{QStringLiteral("IPAGothic"), 14}));
    QCOMPARE(chosen[KoreanFont], (FontDescription{QStringLiteral("Nanum Myeongjo"), 12}));
    QCOMPARE(chosen[EnglishFont], DefaultFonts()[EnglishFont]);

    // The next display starts afresh from the fonts in use; Cancel keeps them so.
    window.InitialSet(chosen);
    QCOMPARE(window.CmbJp->count(), 2);
    QCOMPARE(window.CmbKr->count(), 2);
    AnswerNextModal<FontDialog>([](FontDialog& shown) {
      shown.TxtJp->setText(QStringLiteral("30"));
      shown.btnCancel->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Rejected));
    QCOMPARE(window.TxtJp->text(), QStringLiteral("30"));
    window.InitialSet(chosen);
    QCOMPARE(window.TxtJp->text(), QStringLiteral("14"));
  }

  // OK keeps the window open and stores nothing: a size of zero is told, an empty name
  // (whatever its size) is not.
  void aSizeOfZeroOrAnEmptyNameIsNotTaken() {
    const struct {
      const char* name;
      const char* size;
      QString message;
    } cases[] = {{"Nanum Myeongjo", "0", QStringLiteral("Font size must be bigger than 0")},
                 {"", "0", QString()}};
    for (const auto& c : cases) {
      FontDialog window(FakeFamilies);
      window.InitialSet(FontsInUse());
      bool stayedOpen = false;
      QStringList told;
      AnswerNextModal<FontDialog>([&](FontDialog& shown) {
        shown.CmbJp->setCurrentIndex(1);
        shown.CmbKr->setEditText(QString::fromUtf8(c.name));
        shown.TxtKr->setText(QString::fromLatin1(c.size));
        told = MessagesDuring([&] { QTest::mouseClick(shown.btnOK, Qt::LeftButton); });
        stayedOpen = shown.isVisible();
        shown.btnCancel->click();
      });
      QCOMPARE(window.exec(), int(QDialog::Rejected));
      QVERIFY2(stayedOpen, c.name);
      QCOMPARE(told, c.message.isEmpty() ? QStringList() : QStringList{c.message});
      QCOMPARE(window.Fonts(), FontsInUse());
    }
  }
};

TOVARO_GUI_TEST(FontDialogTest);

#include "font_dialog_test.moc"
