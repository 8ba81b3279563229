#include "gui/font_dialog.h"

#include "gui/installed_fonts.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items.append(box.itemText(i));
  return items;
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
  void listsTheFontsOfEachScriptWithoutVerticalFamilies() {
    FontDialog window(FakeFamilies);
    window.InitialSet(FontsInUse());
    QCOMPARE(Items(*window.CmbJp), (QStringList{"MS Gothic", "IPAGothic"}));
    QCOMPARE(Items(*window.CmbKr), (QStringList{"Gulim", "NanumGothic"}));
    QCOMPARE(window.Lists().Japanese, Items(*window.CmbJp));
    // The current fonts, whether listed or not.
    QCOMPARE(window.CmbJp->currentText(), QStringLiteral("MS Gothic"));
    QCOMPARE(window.CmbKr->currentText(), QStringLiteral("Batang"));
    QCOMPARE(window.TxtJp->text(), QStringLiteral("11"));
    QCOMPARE(window.TxtKr->text(), QStringLiteral("13"));

    // A second InitialSet starts the lists afresh.
    window.InitialSet(FontsInUse());
    QCOMPARE(window.CmbJp->count(), 2);
    QCOMPARE(window.CmbKr->count(), 2);
  }

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

  void okStoresTheChosenFonts() {
    FontDialog window(FakeFamilies);
    window.InitialSet(FontsInUse());
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

    // The next display starts from the fonts in use; Cancel keeps them so.
    window.InitialSet(chosen);
    AnswerNextModal<FontDialog>([](FontDialog& shown) {
      shown.TxtJp->setText(QStringLiteral("30"));
      shown.btnCancel->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Rejected));
    QCOMPARE(window.TxtJp->text(), QStringLiteral("30"));
    window.InitialSet(chosen);
    QCOMPARE(window.TxtJp->text(), QStringLiteral("14"));
  }

  void aSizeOfZeroIsRefusedAndNothingStored() {
    FontDialog window(FakeFamilies);
    window.InitialSet(FontsInUse());
    std::shared_ptr<SeenMessageBox> seen;
    bool stayedOpen = false;
    AnswerNextModal<FontDialog>([&](FontDialog& shown) {
      shown.CmbJp->setCurrentIndex(1);
      shown.TxtKr->setText(QStringLiteral("0"));
      seen = AnswerNextMessageBox();
      QTest::mouseClick(shown.btnOK, Qt::LeftButton);
      stayedOpen = shown.isVisible();
      shown.btnCancel->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Rejected));
    QVERIFY(seen && seen->Shown);
    QCOMPARE(seen->Text, QStringLiteral("Font size must be bigger than 0"));
    QCOMPARE(seen->Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(stayedOpen);
  }

  void anEmptyNameMakesOkDoNothing() {
    FontDialog window(FakeFamilies);
    window.InitialSet(FontsInUse());
    bool stayedOpen = false;
    bool messageShown = true;
    AnswerNextModal<FontDialog>([&](FontDialog& shown) {
      shown.CmbKr->setEditText(QString());
      shown.TxtKr->setText(QStringLiteral("0"));
      shown.btnOK->click();
      stayedOpen = shown.isVisible();
      messageShown = QApplication::activeModalWidget() != &shown;
      shown.btnCancel->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Rejected));
    QVERIFY(stayedOpen);
    QVERIFY(!messageShown);
  }
};

TOVARO_GUI_TEST(FontDialogTest);

#include "font_dialog_test.moc"
