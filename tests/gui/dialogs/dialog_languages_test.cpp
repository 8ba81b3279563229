#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/discard_confirmation.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/font_dialog.h"
#include "gui/dialogs/system_choice_dialog.h"
#include "gui/dialogs/window_text_slots.h"
#include "shell/caption_table.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"
#include "support/window_texts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Each dialog as its owner makes it, with the captions the owner gives it in `language`.
std::vector<std::function<std::unique_ptr<QDialog>()>> Dialogs() {
  return {
      [] { return std::make_unique<AboutDialog>(); },
      [] { return std::make_unique<FileDialog>(); },
      [] { return std::make_unique<FontDialog>([](FontScript) { return QStringList(); }); },
      [] { return std::make_unique<SystemChoiceDialog>(); },
  };
}

void GiveCaptions(QDialog& dialog, InterfaceLanguage language) {
  if (auto* choice = qobject_cast<SystemChoiceDialog*>(&dialog)) choice->SetCaptions(CaptionTable(), language);
}

}  // namespace

Q_DECLARE_METATYPE(InterfaceLanguage)

class DialogLanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyDialogSpeaksTheLanguageItIsSwitchedTo_data() {
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::newRow("Japanese") << InterfaceLanguage::Japanese;
    QTest::newRow("Korean") << InterfaceLanguage::Korean;
    QTest::newRow("Indonesian") << InterfaceLanguage::Indonesian;
  }
  // A dialog open in English when the language changes shows what one made in that
  // language shows, no English is left but names, and nothing is blank.
  void everyDialogSpeaksTheLanguageItIsSwitchedTo() {
    QFETCH(InterfaceLanguage, language);
    const QStringList kept = {QStringLiteral("Tovaro"), QStringLiteral("OK")};
    for (const auto& make : Dialogs()) {
      const std::unique_ptr<QDialog> open = make();
      const QStringList englishTexts = WindowTexts(*open);
      const TextSlots englishSlots = SlotsOf(*open);

      const InterfaceLanguageScope scope(language);
      GiveCaptions(*open, language);
      const std::unique_ptr<QDialog> made = make();
      GiveCaptions(*made, language);
      QCOMPARE(WindowTexts(*open), WindowTexts(*made));
      // Folders and drives are the file system's names.
      const QStringList paths = englishTexts.filter(QRegularExpression(QStringLiteral("^/")));
      const QStringList left = EnglishLeft(englishTexts, WindowTexts(*open), kept + paths);
      QVERIFY2(left.isEmpty(), qPrintable(open->objectName() + u": "_qs + left.join(u" | ")));
      const QStringList blank = BlankWhereEnglishIsNot(englishSlots, SlotsOf(*open));
      QVERIFY2(blank.isEmpty(), qPrintable(open->objectName() + u": "_qs + blank.join(u" | ")));
    }
  }

  // Qt has no Indonesian of its own buttons, so the program gives them.
  void aMessageBoxSpeaksIndonesianToItsButtons() {
    const InterfaceLanguageScope scope(InterfaceLanguage::Indonesian);
    QStringList shown;
    AnswerNextModal<QMessageBox>([&shown](QMessageBox& box) {
      shown << box.windowTitle() << box.text() << box.button(QMessageBox::Ok)->text()
            << box.button(QMessageBox::Cancel)->text();
      box.button(QMessageBox::Cancel)->click();
    });
    QVERIFY(!ConfirmDiscardingChanges(nullptr));
    QCOMPARE(shown, QStringList({u"Konfirmasi"_qs, u"Perubahan akan dibuang"_qs, u"OK"_qs, u"Batal"_qs}));
  }
};

TOVARO_GUI_TEST(DialogLanguagesTest);

#include "dialog_languages_test.moc"
