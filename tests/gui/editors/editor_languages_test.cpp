#include "gui/editors/frame_copy_dialog.h"
#include "gui/editors/pose_editor.h"
#include "gui/editors/reading_list_editor.h"
#include "gui/editors/sign_name_dialog.h"
#include "gui/editors/word_list_editor.h"
#include "gui/dialogs/window_text_slots.h"
#include "signdata/angle_file.h"
#include "support/active_window.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"
#include "support/window_texts.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

// The sign names the lists offer are the table's data, the same in every language.
QStringList SignNames(const QWidget& window) {
  QStringList names;
  for (const QComboBox* list : window.findChildren<QComboBox*>(QStringLiteral("cmbIndex")))
    for (int i = 0; i < list->count(); ++i) names.append(list->itemText(i));
  return names;
}

std::unique_ptr<SignTable> TwoHandTable() {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(2));
  table->Signs[0] = {1, FixedLengthName("rest"), {KeyFrame{}}};
  table->SignCount = 1;
  return table;
}

}  // namespace

Q_DECLARE_METATYPE(InterfaceLanguage)

class EditorLanguagesTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() {
    SetUpProgram();
    WriteFiles(InterfaceLanguage::English, SystemId::BritishTwoHanded, 742);
    QVERIFY(SaveAngleFile(*TwoHandTable(), Dir() + "PositionBSL.csv"));
  }
  void cleanup() { TearDownProgram(); }

  void everyEditorSpeaksTheLanguageItIsSwitchedTo_data() {
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::newRow("Japanese") << InterfaceLanguage::Japanese;
    QTest::newRow("Korean") << InterfaceLanguage::Korean;
    QTest::newRow("Indonesian") << InterfaceLanguage::Indonesian;
  }
  // The pose editor with its two dialogs, and the word list editors, are open in
  // English when the language changes: each then shows what a window made in that
  // language shows, no English is left but names, and nothing is blank.
  void everyEditorSpeaksTheLanguageItIsSwitchedTo() {
    QFETCH(InterfaceLanguage, language);
    ShowWindow();
    MenusOf(*window_).mnuEdit->trigger();
    auto* poseEditor = window_->findChild<PoseEditor*>(QStringLiteral("EditFrm2"));
    QVERIFY(poseEditor);
    ActivateWindow(*poseEditor);
    // Both dialogs are made on first use and kept, so they are asked for once here.
    AnswerNextModal<FrameCopyDialog>([](FrameCopyDialog& copy) { copy.reject(); });
    Child<QPushButton>(*poseEditor, "CopyCmd")->click();
    AnswerNextModal<SignNameDialog>([](SignNameDialog& name) { name.reject(); });
    Child<QPushButton>(*poseEditor, "cmdAddChar")->click();

    WordListEditor wordListEditor;
    ReadingListEditor readingListEditor;
    const std::vector<const QWidget*> windows = {poseEditor, &wordListEditor, &readingListEditor};
    std::vector<QStringList> englishTexts;
    std::vector<TextSlots> englishSlots;
    for (const QWidget* window : windows) {
      englishTexts.push_back(WindowTexts(*window));
      englishSlots.push_back(SlotsOf(*window));
    }

    const InterfaceLanguageScope scope(language);
    const QStringList kept = QStringList{QStringLiteral("OK"), QStringLiteral("Status"), QStringLiteral("Hangul"),
                                         QStringLiteral("British Sign Language (BSL)")} +
                             SignNames(*poseEditor);
    for (size_t i = 0; i < windows.size(); ++i) {
      const QWidget& window = *windows[i];
      const QStringList left = EnglishLeft(englishTexts[i], WindowTexts(window), kept);
      QVERIFY2(left.isEmpty(), qPrintable(window.objectName() + u": "_qs + left.join(u" | ")));
      const QStringList blank = BlankWhereEnglishIsNot(englishSlots[i], SlotsOf(window));
      QVERIFY2(blank.isEmpty(), qPrintable(window.objectName() + u": "_qs + blank.join(u" | ")));
    }
    QCOMPARE(WindowTexts(wordListEditor), WindowTexts(WordListEditor()));
    QCOMPARE(WindowTexts(readingListEditor), WindowTexts(ReadingListEditor()));
  }
};

TOVARO_GUI_TEST(EditorLanguagesTest);

#include "editor_languages_test.moc"
