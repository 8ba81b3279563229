#include "gui/dialogs/language_dialog.h"

#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The notes that carry the frame, by name.
QStringList MarkedNotes(const LanguageDialog& window) {
  QStringList marked;
  for (const QLabel* note : {Child<QLabel>(window, "Lbl1"), Child<QLabel>(window, "Img2"), Child<QLabel>(window, "Lbl3"), Child<QLabel>(window, "Img4"), Child<QLabel>(window, "Lbl5"),
                             Child<QLabel>(window, "Lbl6")})
    if (LanguageDialog::IsMarked(*note)) marked.append(note->objectName());
  return marked;
}

}  // namespace

class LanguageDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunPreselectsFromTheSystemLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("Japanese") << "ja_JP" << 1 << QStringList{"Img2", "Lbl3"};
    QTest::newRow("English") << "en_US" << 0 << QStringList{"Lbl1"};
    QTest::newRow("Korean") << "ko_KR" << 2 << QStringList{"Img4"};
    QTest::newRow("Indonesian") << "id_ID" << 3 << QStringList{"Lbl5"};
    QTest::newRow("German") << "de_DE" << 0 << QStringList{"Lbl6"};
  }

  void firstRunPreselectsFromTheSystemLanguage() {
    QFETCH(QString, locale);
    QFETCH(int, option);
    QFETCH(QStringList, marked);

    LanguageDialog window;
    // A window used before keeps nothing of its last marks or choice.
    window.PrepareFirstRun(QLocale(QStringLiteral("ja_JP")));
    window.PrepareFirstRun(QLocale(QStringLiteral("id_ID")));
    window.PrepareFirstRun(QLocale(locale));
    QCOMPARE(MarkedNotes(window), marked);
    QVERIFY((Children<QRadioButton, 4>(window, "OptionButton1")[static_cast<size_t>(option)]->isChecked()));
    QCOMPARE(window.LangChoice(), InterfaceLanguageFromNumber(option));

    // OK takes the pre-selection as it stands.
    AnswerNextModal<LanguageDialog>([](LanguageDialog& shown) { Child<QPushButton>(shown, "Command1")->click(); });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(window.LangChoice(), InterfaceLanguageFromNumber(option));
  }

  void showsItsNotesAsText() {
    LanguageDialog window;
    const std::pair<const char*, const char*> texts[] = {
        {"OptionButton1_0", "English"}, {"OptionButton1_1", "(Japanese)"}, {"Image3", "日本語"},
        {"OptionButton1_2", "(Korean)"}, {"KoreanName", "한국어"},
        {"OptionButton1_3", "(Indonesian)"}, {"IndonesianName", "Bahasa Indonesia"},
        {"Lbl1", "For English OS, select English option."},
        {"Lbl3", "You can select English option even on Japanese OS."},
        {"Lbl5", "Jika OS Anda berbahasa Indonesia, pilih opsi Bahasa Indonesia (Indonesian)."},
        {"Lbl6", "For other OS, select English option."}, {"Command1", "OK"}, {"Command2", "Cancel"}};
    for (const auto& [name, text] : texts)
      QCOMPARE(Child<QWidget>(window, name)->property("text").toString(), QString::fromUtf8(text));
    QVERIFY(Child<QLabel>(window, "Img2")->text().contains(QStringLiteral("日本語")));
    QCOMPARE(Child<QLabel>(window, "Img4")->text(), QStringLiteral("한국어 OS에서는 한국어 (Korean) 옵션을 선택하십시오."));
    // Each option is named to a screen reader in English and in its own language.
    QCOMPARE(Child<QRadioButton>(window, "OptionButton1_2")->accessibleName(), QStringLiteral("(Korean) 한국어"));

    // Marking a note frames it without moving its text.
    window.PrepareFirstRun(QLocale(QStringLiteral("en_US")));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto textArea = [](const QLabel& note) {
      const int m = note.margin();
      return note.contentsRect().marginsRemoved(QMargins(m, m, m, m));
    };
    const QRect marked = textArea(*Child<QLabel>(window, "Lbl1"));
    window.PrepareLanguageOption(InterfaceLanguage::English);
    QCOMPARE(textArea(*Child<QLabel>(window, "Lbl1")), marked);
    QVERIFY(MarkedNotes(window).isEmpty());
  }

  void clickingAnOptionChoosesItAndCancelEscapeAndClosingDecline() {
    LanguageDialog window;
    window.PrepareFirstRun(QLocale(QStringLiteral("ko_KR")));
    AnswerNextModal<LanguageDialog>([](LanguageDialog& shown) {
      QTest::mouseClick(Child<QRadioButton>(shown, "OptionButton1_1"), Qt::LeftButton);
      QCOMPARE(shown.LangChoice(), std::optional(InterfaceLanguage::Japanese));
      QTest::keyClick(&shown, Qt::Key_Return);  // Enter presses OK
    });
    window.exec();
    QCOMPARE(window.LangChoice(), std::optional(InterfaceLanguage::Japanese));

    // The choice stays for the next display.
    AnswerNextModal<LanguageDialog>([](LanguageDialog& shown) { Child<QPushButton>(shown, "Command1")->click(); });
    window.exec();
    QCOMPARE(window.LangChoice(), std::optional(InterfaceLanguage::Japanese));

    // Cancel, Escape and closing decline.
    const std::function<void(LanguageDialog&)> declines[] = {
        [](LanguageDialog& shown) { QTest::mouseClick(Child<QPushButton>(shown, "Command2"), Qt::LeftButton); },
        [](LanguageDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); },
        [](LanguageDialog& shown) { shown.close(); }};
    for (size_t i = 0; i < std::size(declines); ++i) {
      window.SelectOption(i % 2 == 0 ? InterfaceLanguage::Japanese : InterfaceLanguage::English);
      AnswerNextModal<LanguageDialog>(declines[i]);
      QCOMPARE(window.exec(), int(QDialog::Rejected));
      QCOMPARE(window.LangChoice(), std::optional<InterfaceLanguage>());
    }
  }
};

TOVARO_GUI_TEST(LanguageDialogTest);

#include "language_dialog_test.moc"
