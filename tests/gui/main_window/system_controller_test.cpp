#include "gui/main_window/system_controller.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/input/reading_capture.h"
#include "gui/main_window/clickable_label.h"
#include "gui/main_window/main_window_controls.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "shell/angle_table_document.h"
#include "shell/caption_table.h"
#include "shell/program_places.h"
#include "support/angle_table_files.h"
#include "support/fake_drawing_area.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The system controller on controls of its own, with no main window: what it needs is
// what it is given.
class SystemControllerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(WriteEverySystemTable(folder_->path() + u'/'));
    places_ = PlacesBeside(folder_->path() + u'/');
    owner_ = std::make_unique<QWidget>();
    ui_ = BuildMainWindowControls(*owner_);
    document_ = std::make_unique<AngleTableDocument>();
    engine_ = std::make_unique<PlaybackEngine>(document_->Table(), area_);
    player_ = std::make_unique<ImmediatePlayer>(*engine_);
    signs_ = std::make_unique<SignClass>(document_->Table(), *player_);
    capture_ = std::make_unique<ReadingCapture>(*ui_.wordBox, *ui_.readingBox);
    files_ = std::make_unique<FileDialog>(owner_.get());
    files_->SetFolder(places_.DataFolder);
    system_ = SystemId::BritishTwoHanded;
    controller_ = std::make_unique<SystemController>(SystemControllerContext{
        *owner_, ui_, captions_, places_, *document_, *signs_, *engine_, *capture_, messages_,
        [this]() -> FileDialog& { return *files_; }, [this] { return system_; },
        [] { return InterfaceLanguage::English; }, [] { return KanaInput::Romaji; },
        [this]() -> const std::array<QFont, 3>& { return fonts_; }});
    connect(controller_.get(), &SystemController::systemChosen, this, [this](SystemId chosen) { system_ = chosen; });
    owner_->show();
    QVERIFY(controller_->PositionInitializeRoutine(system_));
  }
  void cleanup() {
    controller_.reset();
    files_.reset();
    owner_.reset();
  }

  void anotherSystemReadsItsTableOnceUnsavedEditsAreSettled() {
    QCOMPARE(document_->Table().HandCount, int16_t{2});
    QCOMPARE(ui_.systemLabel->text(), QStringLiteral("British Sign Language (BSL)"));
    controller_->ChooseSystem(SystemId::American);
    QCOMPARE(system_, SystemId::American);
    QCOMPARE(document_->Table().HandCount, int16_t{1});
    QCOMPARE(QFileInfo(document_->FilePath()).fileName(), QStringLiteral("PositionASL.csv"));
    QCOMPARE(signs_->CurrentSystem(), std::optional(SystemId::American));

    // With an edit not saved: Cancel keeps the system, the table and what is typed.
    QVERIFY(document_->AppendKeyFrame(1).Ok());
    const SignTable edited = document_->Table();
    ui_.wordBox->setText(QStringLiteral("half typed"));
    QCOMPARE(AnswersDuring(QMessageBox::Cancel, [&] { controller_->ChooseSystem(SystemId::JapaneseKana); }),
             QStringList{"Save the changes to PositionASL.csv?"});
    QCOMPARE(system_, SystemId::American);
    QVERIFY(document_->Table() == edited);
    QCOMPARE(ui_.wordBox->text(), QStringLiteral("half typed"));
    // Discard: the other system's table replaces the edits.
    QCOMPARE(AnswersDuring(QMessageBox::Discard, [&] { controller_->ChooseSystem(SystemId::JapaneseKana); }),
             QStringList{"Save the changes to PositionASL.csv?"});
    QCOMPARE(system_, SystemId::JapaneseKana);
    QVERIFY(document_->IsClean());
    QVERIFY(ui_.wordBox->text().isEmpty());

    // A system whose file is missing says so, offers another file and, declined, the
    // system and table shown before stay.
    QVERIFY(QFile::remove(folder_->path() + "/PositionKSL.csv"));
    const SignTable kana = document_->Table();
    AnswerNextModal<FileDialog>([](FileDialog& dialog) { dialog.reject(); });
    controller_->ChooseSystem(SystemId::KoreanHangul);
    QCOMPARE(messages_.messages.size(), size_t{1});
    const QString told = messages_.messages[0];
    QVERIFY2(told.startsWith("Error ") && told.contains("PositionKSL.csv"), qPrintable(told));
    QCOMPARE(system_, SystemId::JapaneseKana);
    QVERIFY(document_->Table() == kana);
    QCOMPARE(signs_->CurrentSystem(), std::optional(SystemId::JapaneseKana));
  }

  void theNumericBoxSpellsNumeralsOnTheTableInUse() {
    QVERIFY(WriteAngleTable(folder_->path() + "/PositionJSL.csv", 1, 81));
    controller_->ChooseSystem(SystemId::JapaneseKana);
    const SignTable kana = document_->Table();
    controller_->NumericClicked(true);
    QVERIFY(controller_->NumericMode());
    QCOMPARE(signs_->CurrentSystem(), std::optional(SystemId::Numerals));
    QVERIFY(document_->Table() == kana);
    controller_->NumericClicked(false);
    QVERIFY(!controller_->NumericMode());
    QCOMPARE(signs_->CurrentSystem(), std::optional(SystemId::JapaneseKana));
    QCOMPARE(controller_->CurrentInputModes().System, SystemId::JapaneseKana);
  }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  ProgramPlaces places_;
  std::unique_ptr<QWidget> owner_;
  MainWindowControls ui_;
  const CaptionTable captions_;
  std::array<QFont, 3> fonts_;
  std::unique_ptr<AngleTableDocument> document_;
  FakeDrawingArea area_;
  std::unique_ptr<PlaybackEngine> engine_;
  std::unique_ptr<ImmediatePlayer> player_;
  std::unique_ptr<SignClass> signs_;
  std::unique_ptr<ReadingCapture> capture_;
  std::unique_ptr<FileDialog> files_;
  CollectingMessageSink messages_;
  SystemId system_ = SystemId::BritishTwoHanded;
  std::unique_ptr<SystemController> controller_;
};

TOVARO_GUI_TEST(SystemControllerTest);

#include "system_controller_test.moc"
