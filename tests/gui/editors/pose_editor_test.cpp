#include "gui/editors/pose_editor.h"

#include "gui/dialogs/file_dialog.h"
#include "gui/editors/frame_copy_dialog.h"
#include "gui/editors/sign_name_dialog.h"
#include "signdata/angle_file.h"
#include "support/active_window.h"
#include "support/angle_table_files.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/list_items.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QWheelEvent>
#include <QtTest>

namespace {

// Key frame f of a test sign is told apart by its right wrist's x position.
KeyFrame Marked(float x, float rate = 0.001f) {
  KeyFrame frame;
  frame.Rate = rate;
  frame.RightFinger[0] = -50.0f;  // the thumb out of the way
  frame.LeftFinger[0] = -50.0f;
  frame.LeftWristPos[1] = 200.0f;  // the hands well apart
  frame.RightWristPos[0] = x;
  return frame;
}

// A two-hand table: "rest"; "one" with one key frame; "three" with key frames 10, 20,
// 30; "four" with A B C D (1, 2, 3, 4); "slow" with one key frame at rate 1.
std::unique_ptr<SignTable> EditorTable() {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(2));
  auto put = [&table](int slot, const char* name, std::vector<KeyFrame> frames) {
    table->Signs[slot] = {static_cast<int16_t>(frames.size()), FixedLengthName(name), std::move(frames)};
  };
  put(0, "rest", {Marked(0)});
  put(1, "one", {Marked(5)});
  put(2, "three", {Marked(10), Marked(20), Marked(30)});
  put(3, "four", {Marked(1), Marked(2), Marked(3), Marked(4)});
  put(4, "slow", {Marked(7, 1.0f)});
  table->SignCount = 5;
  return table;
}

QLineEdit* BoxOf(const QWidget& editor, const char* name) { return Child<QLineEdit>(editor, name); }
QString TextOf(const QWidget& editor, const char* name) {
  if (auto* box = editor.findChild<QLineEdit*>(QString::fromLatin1(name))) return box->text();
  return Child<QLabel>(editor, name)->text();
}
// The key frame the editor shows: its number, the sign's count and the right wrist's x.
QString Showing(const QWidget& editor) {
  return TextOf(editor, "FrameNoTxt") + u'/' + TextOf(editor, "TotalFrameLbl") + u" x="_qs + TextOf(editor, "WristPos_0");
}
void Click(const QWidget& window, const char* name) { Child<QPushButton>(window, name)->click(); }

// Picks an entry from a drop-down list the way a user does: open it, press Return.
// Returns the messages shown on the way, each answered with OK.
QStringList ChooseFromList(QComboBox& list, int index) {
  return MessagesDuring([&list, index] {
    list.setCurrentIndex(index);
    list.showPopup();
    QTest::keyClick(list.view(), Qt::Key_Return);
  });
}

// Replaces a box's text by typing, keystroke by keystroke.
void Type(QLineEdit& box, const QString& text) {
  box.setFocus();
  box.selectAll();
  if (text.isEmpty())
    QTest::keyClick(&box, Qt::Key_Backspace);
  else
    QTest::keyClicks(&box, text);
}

std::vector<float> Marks(const SignTable& table, int sign) {
  std::vector<float> marks;
  for (int f = 0; f < table.KeyFrameCount(sign); ++f) marks.push_back(table.Frame(sign, f).RightWristPos[0]);
  return marks;
}

}  // namespace

class PoseEditorTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() {
    SetUpProgram();
    WriteFiles(InterfaceLanguage::English, SystemId::BritishTwoHanded, 742);
    QVERIFY(SaveAngleFile(*EditorTable(), Dir() + "PositionBSL.csv"));
  }
  void cleanup() { TearDownProgram(); }

  void opensFromTheEditMenuWithBothPanelsForTwoHands() {
    MainWindow& window = ShowWindow();
    PoseEditor& editor = OpenEditor();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.windowTitle(), QStringLiteral("British Sign Language (BSL)"));
    auto* list = Child<QComboBox>(editor, "cmbIndex");
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->itemText(2), QStringLiteral("three     "));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->placeholderText(), QStringLiteral("Sign Index"));

    QVERIFY(Child<QGroupBox>(editor, "Frame3")->isEnabled());
    QVERIFY(Child<QRadioButton>(editor, "Option1_0")->isChecked());
    QVERIFY(Child<QGroupBox>(editor, "Frame1")->isVisible());
    QVERIFY(!Child<QGroupBox>(editor, "Frame2")->isVisible());
    QTest::mouseClick(Child<QRadioButton>(editor, "Option1_1"), Qt::LeftButton);
    QVERIFY(!Child<QGroupBox>(editor, "Frame1")->isVisible());
    QVERIFY(Child<QGroupBox>(editor, "Frame2")->isVisible());

    // Every control can be found by a screen reader, by its caption or its label.
    for (QWidget* control : editor.findChildren<QWidget*>()) {
      if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
          qobject_cast<QComboBox*>(control))
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(BoxOf(editor, "FingerTx2_12")->accessibleName(),
             QStringLiteral("Left Index finger column 2 row 1"));
    QCOMPARE(BoxOf(editor, "WristPos_2")->accessibleName(), QStringLiteral("Right Wrist Position 3"));
    // The designer's values before any sign is chosen.
    QCOMPARE(TextOf(editor, "FingerTx_0"), QStringLiteral("-35"));
    QCOMPARE(TextOf(editor, "FingerTx2_3"), QStringLiteral("35"));
    QCOMPARE(TextOf(editor, "WristTx_1"), QStringLiteral("0"));

    // Closing hides the single window; a one-hand system offers the "Right" panel only.
    Click(editor, "cmdClose");
    QVERIFY(!editor.isVisible());
    window.Systems().ChooseSystem(SystemId::American);
    QCOMPARE(&OpenEditor(), &editor);
    QCOMPARE(editor.windowTitle(), QStringLiteral("American Sign Language (ASL)"));
    QVERIFY(!Child<QGroupBox>(editor, "Frame3")->isEnabled());
    QTest::mouseClick(Child<QRadioButton>(editor, "Option1_1"), Qt::LeftButton);
    QVERIFY(Child<QGroupBox>(editor, "Frame1")->isVisible());
    QVERIFY(!Child<QGroupBox>(editor, "Frame2")->isVisible());
  }

  // Add Frame, Delete Frame and Add Char, each as the user sees it (each edit undone
  // exactly: AngleTableDocumentTest).
  void keyFramesAndSignsAreAddedAndDeleted() {
    ShowWindow();
    PoseEditor& editor = OpenEditor();
    const SignTable& table = window_->Table();
    auto* list = Child<QComboBox>(editor, "cmbIndex");
    auto* frameNo = BoxOf(editor, "FrameNoTxt");

    ChooseFromList(*list, 1);
    QCOMPARE(MessagesDuring([&] { Click(editor, "DeleteCmd"); }), QStringList{"Cannot delete!"});
    QCOMPARE(table.KeyFrameCount(1), 1);

    // Add Frame while key frame 1 of 3 is shown appends key frame 4 and shows it.
    ChooseFromList(*list, 2);
    QCOMPARE(Showing(editor), "1/3 x=10");
    Click(editor, "AddCmd");
    QCOMPARE(Showing(editor), "4/4 x=0");
    QCOMPARE(TextOf(editor, "VrateTxt"), QStringLiteral("1"));
    QCOMPARE(TextOf(editor, "FingerTx2_0"), QStringLiteral("0"));
    QCOMPARE(Marks(table, 2), (std::vector<float>{10, 20, 30, 0}));

    // Delete Frame on key frame 1 of A B C D leaves B C D and shows B.
    ChooseFromList(*list, 3);
    Click(editor, "DeleteCmd");
    QCOMPARE(Marks(table, 3), (std::vector<float>{2, 3, 4}));
    QCOMPARE(Showing(editor), "1/3 x=2");
    // Deleting the last key frame shows the new last one and names it.
    Type(*frameNo, "3");
    QCOMPARE(Showing(editor), "3/3 x=4");
    Click(editor, "DeleteCmd");
    QCOMPARE(Marks(table, 3), (std::vector<float>{2, 3}));
    QCOMPARE(Showing(editor), "2/2 x=3");

    // Frame numbers outside the sign change nothing.
    QCOMPARE(MessagesDuring([&] { Type(*frameNo, "3"); }), QStringList{"Frame Number exceeds"});
    QCOMPARE(MessagesDuring([&] { Type(*frameNo, ""); }), QStringList{});
    QCOMPARE(MessagesDuring([&] { Type(*frameNo, "0"); }), QStringList{"Frame Number exceeds"});
    const SignTable before = table;
    for (const char* number : {"0", "9"}) {
      frameNo->setText(QString::fromLatin1(number));
      for (const char* button : {"cmdFrameLoad", "cmdSet", "DeleteCmd"})
        QCOMPARE(MessagesDuring([&] { Click(editor, button); }), QStringList{"Frame Number exceeds"});
    }
    QVERIFY(table == before);
    QVERIFY(!editor.TableModified());

    // Add Char: a new sign, edited once it is chosen; cancelled, nothing is added.
    ChooseFromList(*list, 1);
    AnswerNextModal<SignNameDialog>([](SignNameDialog& dialog) { dialog.reject(); });
    Click(editor, "cmdAddChar");
    QCOMPARE(table.SignCount, int16_t{5});

    QString offered;
    AnswerNextModal<SignNameDialog>([&offered](SignNameDialog& dialog) {
      auto* name = Child<QLineEdit>(dialog, "NameTxt");
      offered = name->text();
      name->selectAll();
      QTest::keyClicks(name, QStringLiteral("Z,\"long name"));  // the comma and quote are refused
      Child<QPushButton>(dialog, "cmdOK")->click();
    });
    Click(editor, "cmdAddChar");
    QCOMPARE(offered, QStringLiteral("*"));
    QCOMPARE(table.SignCount, int16_t{6});
    QCOMPARE(table.Signs[5].Name, QStringLiteral("Zlong name"));
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->itemText(5), QStringLiteral("Zlong name"));
    QCOMPARE(editor.CurrentSign(), 1);
    QCOMPARE(Showing(editor), "1/1 x=0");
    QCOMPARE(TextOf(editor, "VrateTxt"), QStringLiteral("1"));

    // Set stores into the sign chosen before, not into the new one.
    Type(*BoxOf(editor, "FingerTx_1"), "12");
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdSet"); }), QStringList{"Data updated"});
    QCOMPARE(table.Frame(1, 0).RightFinger[1], 12.0f);
    QCOMPARE(table.Frame(5, 0).RightFinger[1], 0.0f);

    // With all 257 slots in use there is no room for another.
    auto full = PlainAngleTable(2, kSignSlots - 1);
    QVERIFY(SaveAngleFile(*full, Dir() + "PositionINA.csv"));
    AnswerNextMessageBox(QMessageBox::Discard);
    window_->Systems().ChooseSystem(SystemId::IndonesianTwoHanded);
    OpenEditor();
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdAddChar"); }), QStringList{"No free sign slot"});
    QCOMPARE(table.SignCount, int16_t{kSignSlots});
  }

  void setStoresTheBoxesAndABoxWithoutANumberIsNamed() {
    ShowWindow();
    PoseEditor& editor = OpenEditor();
    const SignTable& table = window_->Table();
    ChooseFromList(*Child<QComboBox>(editor, "cmbIndex"), 2);
    QVERIFY(!editor.FrameEdited());
    Type(*BoxOf(editor, "FrameNoTxt"), "2");
    Click(editor, "cmdFrameLoad");
    QVERIFY(!editor.FrameEdited());

    // A change in a box of the left hand marks the frame as edited too, and opening
    // the sign list then asks before the change is lost.
    Type(*BoxOf(editor, "FingerTx2_13"), "15");
    QVERIFY(editor.FrameEdited());
    std::shared_ptr<SeenMessageBox> seen = AnswerNextMessageBox(QMessageBox::Cancel);
    auto* list = Child<QComboBox>(editor, "cmbIndex");
    list->showPopup();
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Text, QStringLiteral("Changes will be discarded"));
    list->hidePopup();
    QVERIFY(editor.FrameEdited());
    QCOMPARE(TextOf(editor, "FingerTx2_13"), QStringLiteral("15"));
    // So does a click into the frame number; Cancel keeps its text.
    seen = AnswerNextMessageBox(QMessageBox::Cancel);
    QTest::mouseClick(BoxOf(editor, "FrameNoTxt"), Qt::LeftButton);
    QTRY_VERIFY(seen->Shown);
    QCOMPARE(seen->Text, QStringLiteral("Changes will be discarded"));
    QCOMPARE(TextOf(editor, "FrameNoTxt"), QStringLiteral("2"));
    QVERIFY(editor.FrameEdited());
    Type(*BoxOf(editor, "VrateTxt"), "2.5");
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdSet"); }), QStringList{"Data updated"});
    QCOMPARE(table.Frame(2, 1).LeftFinger[13], 15.0f);
    QCOMPARE(table.Frame(2, 1).Rate, 2.5f);
    QCOMPARE(table.Frame(2, 1).RightWristPos[0], 20.0f);
    QVERIFY(!editor.FrameEdited());
    QVERIFY(editor.TableModified());
    QCOMPARE(TextOf(editor, "StatusLbl"), QString());

    // Not a number: named, nothing stored, nothing drawn.
    const SignTable before = table;
    Type(*BoxOf(editor, "WristPos_1"), "abc");
    QCOMPARE(TextOf(editor, "StatusLbl"), QStringLiteral("Right Wrist Position 2 is not a number"));
    const int drawn = ControlsOf(*window_).handView->PicturesDrawn();
    for (const char* button : {"cmdDisp", "cmdSet"})
      QCOMPARE(MessagesDuring([&] { Click(editor, button); }),
               QStringList{"Right Wrist Position 2 is not a number"});
    QVERIFY(table == before);
    QCOMPARE(ControlsOf(*window_).handView->PicturesDrawn(), drawn);

    // Live: the hand follows each change, read leniently.
    Type(*BoxOf(editor, "WristPos_1"), "12.5 mm");
    QCOMPARE(TextOf(editor, "StatusLbl"), QString());
    Type(*BoxOf(editor, "FingerTx_10"), "45");
    QCOMPARE(window_->Engine().Hands()[0].Arthro(1, 0, 1), 45.0f);
    QCOMPARE(window_->Engine().Hands()[0].pose(1), 12.5f);
    QVERIFY(ControlsOf(*window_).handView->PicturesDrawn() > drawn);
    // Without Live only "Disp" draws.
    Child<QCheckBox>(editor, "LiveChk")->click();
    Type(*BoxOf(editor, "FingerTx_10"), "30");
    QCOMPARE(window_->Engine().Hands()[0].Arthro(1, 0, 1), 45.0f);
    Click(editor, "cmdDisp");
    QCOMPARE(window_->Engine().Hands()[0].Arthro(1, 0, 1), 30.0f);

    // Arrow keys and the wheel spin a value, by 10 with Shift.
    QLineEdit* box = BoxOf(editor, "FingerTx_10");
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->text(), QStringLiteral("31"));
    QTest::keyClick(box, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(box->text(), QStringLiteral("41"));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->text(), QStringLiteral("40"));
    const QPointF at(box->width() / 2.0, box->height() / 2.0);
    QWheelEvent wheel(at, box->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    QCOMPARE(box->text(), QStringLiteral("30"));

    // A stored key frame with a finger through the palm says so, and is stored anyway.
    for (const char* name : {"FingerTx_19", "FingerTx_22", "FingerTx_25"}) Type(*BoxOf(editor, name), "90");
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdSet"); }), QStringList{"Data updated"});
    const QString status = TextOf(editor, "StatusLbl");
    QVERIFY2(status.startsWith("Right middle finger tip segment passes through the right palm"),
             qPrintable(status));
    QCOMPARE(table.Frame(2, 1).RightFinger[25], 90.0f);
  }

  void actionPlaysTheStoredKeyFramesAtTheMainWindowsSpeed() {
    ShowWindow();
    PoseEditor& editor = OpenEditor();
    ChooseFromList(*Child<QComboBox>(editor, "cmbIndex"), 4);
    // A speed the box refuses is told and plays nothing (which are refused, and the
    // steps of each key frame: SignAction).
    QLineEdit* speed = ControlsOf(*window_).speedBox;
    speed->setText(QStringLiteral("abc"));
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdAction"); }), QStringList{"Speed value must be set!"});
    QVERIFY(!window_->IsSpelling());

    // Speed 2: a rate-1 key frame would need 2000 steps; it does not move.
    speed->setText(QStringLiteral("2"));
    const QStringList shown = MessagesDuring([&] {
      Click(editor, "cmdAction");
      PlayWordToEnd();
    });
    QCOMPARE(shown, QStringList{"Frame number exceeds its limit!"});
    QCOMPARE(window_->Engine().FrameCounter(), 0);
    QCOMPARE(window_->Engine().Hands()[0].pose(0), 0.0f);  // the rest pose, set first

    // Speed 4: exactly 1000 steps, 1001 pictures, ending on the stored key frame.
    speed->setText(QStringLiteral("4"));
    QCOMPARE(MessagesDuring([&] {
               Click(editor, "cmdAction");
               QVERIFY(window_->IsSpelling());
               // Taken back to back the steps are drawn once, as on a machine too slow to
               // paint each: the pose they end on is what counts here.
               QCOMPARE(Steps().Advance(1000), 1000);
               PlayWordToEnd();
             }),
             QStringList{});
    QCOMPARE(window_->Engine().FrameCounter(), 1001);
    QCOMPARE(window_->Engine().Hands()[0].pose(0), 7.0f);
  }

  void closingAsksAboutEditsNotSetAndChangesNotSaved() {
    MainWindow& window = ShowWindow();
    PoseEditor& editor = OpenEditor();
    // An edit typed but not Set is asked about; Ok drops it and leaves the table alone.
    ChooseFromList(*Child<QComboBox>(editor, "cmbIndex"), 1);
    const float stored = window.Table().Frame(1, 0).RightWristAngle[2];
    Type(*BoxOf(editor, "WristTx_2"), "21");
    std::shared_ptr<SeenMessageBox> seen = AnswerNextMessageBox(QMessageBox::Cancel);
    Click(editor, "cmdClose");
    QVERIFY(seen->Shown);
    QVERIFY(editor.isVisible());
    QCOMPARE(BoxOf(editor, "WristTx_2")->text(), QStringLiteral("21"));
    seen = AnswerNextMessageBox(QMessageBox::Ok);
    Click(editor, "cmdClose");
    QVERIFY(seen->Shown);
    QVERIFY(!editor.isVisible());
    QCOMPARE(window.Table().Frame(1, 0).RightWristAngle[2], stored);

    SetWristTurnOfSignOne(OpenEditor(), "33");
    seen = AnswerNextMessageBox(QMessageBox::Cancel);
    Click(editor, "cmdClose");
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Title, QStringLiteral("Confirmation"));
    QCOMPARE(seen->Text, QStringLiteral("Changes will be discarded"));
    QCOMPARE(seen->Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(editor.isVisible());
    // Escape asks as Close does.
    seen = AnswerNextMessageBox(QMessageBox::Cancel);
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(seen->Shown);
    QVERIFY(editor.isVisible());

    // The main window asks before the changes are lost with the program.
    seen = AnswerNextMessageBox(QMessageBox::Cancel);
    QVERIFY(!window.close());
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Text, QStringLiteral("Save the changes to PositionBSL.csv?"));
    QCOMPARE(seen->Buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QVERIFY(window.isVisible());

    seen = AnswerNextMessageBox(QMessageBox::Ok);
    Click(editor, "cmdClose");
    QVERIFY(seen->Shown);
    QVERIFY(!editor.isVisible());
    QVERIFY(!editor.TableModified());
    QCOMPARE(window.Table().Frame(1, 0).RightWristAngle[2], 33.0f);

    // Set then Save: Close asks nothing.
    SetWristTurnOfSignOne(OpenEditor(), "44");
    AnswerSaveAs(QStringLiteral("saved"));
    QCOMPARE(MessagesDuring([&] { Click(editor, "CmdSave"); }), QStringList{});
    QVERIFY(!editor.TableModified());
    SignTable reread = SignTable::WithHands(2);
    QVERIFY(LoadAngleFile(reread, Dir() + "saved.csv"));
    QCOMPARE(reread.Frame(1, 0).RightWristAngle[2], 44.0f);
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdClose"); }), QStringList{});
    QVERIFY(!editor.isVisible());

    // A save that fails names the file and the reason and offers another place;
    // declined, the edit stays in the table, marked as unsaved.
    SetWristTurnOfSignOne(OpenEditor(), "55");
    QVERIFY(QDir(Dir()).mkdir(QStringLiteral("taken.csv")));
    auto offer = std::make_shared<SeenMessageBox>();
    AnswerSaveAs(QStringLiteral("taken"), [&offer] { offer = AnswerNextMessageBox(QMessageBox::No); });
    Click(editor, "CmdSave");
    QVERIFY(offer->Shown);
    // The reason stands between the file and the question.
    const QString failed = QStringLiteral("The file could not be saved: ") + Dir() + QStringLiteral("taken.csv: ");
    const QString question = QStringLiteral("\n\nSave it under another name or in another folder?");
    QVERIFY2(offer->Text.startsWith(failed) && offer->Text.endsWith(question) &&
                 offer->Text.size() > failed.size() + question.size(),
             qPrintable(offer->Text));
    QCOMPARE(offer->Buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(editor.TableModified());
    QCOMPARE(window.Table().Frame(1, 0).RightWristAngle[2], 55.0f);

    // Accepted, the file dialog comes back and the edit is saved where the user says.
    AnswerSaveAs(QStringLiteral("taken"), [&offer] {
      offer = AnswerNextMessageBox(QMessageBox::Yes);
      AnswerSaveAs(QStringLiteral("elsewhere"));
    });
    Click(editor, "CmdSave");
    QVERIFY(offer->Shown);
    QVERIFY(!editor.TableModified());
    QVERIFY(LoadAngleFile(reread, Dir() + "elsewhere.csv"));
    QCOMPARE(reread.Frame(1, 0).RightWristAngle[2], 55.0f);
    Type(*BoxOf(editor, "WristTx_2"), "66");
    MessagesDuring([&] { Click(editor, "cmdSet"); });

    seen = AnswerNextMessageBox(QMessageBox::Discard);
    QVERIFY(window.close());
    QCOMPARE(seen->Text, QStringLiteral("Save the changes to elsewhere.csv?"));
  }

  void editsAreUndoneAndNeverLostWithoutAnAnswer() {
    MainWindow& window = ShowWindow();
    const SignTable original = window.Table();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionBSL.csv"));
    PoseEditor& editor = OpenEditor();
    auto* list = Child<QComboBox>(editor, "cmbIndex");
    ChooseFromList(*list, 2);
    Click(editor, "AddCmd");
    const SignTable added = window.Table();
    QCOMPARE(added.KeyFrameCount(2), 4);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionBSL.csv*"));
    QVERIFY(editor.windowTitle().endsWith(u'*'));

    // Undo in the main window; the editor's list and boxes follow the table.
    QAction* undo = window.findChild<QAction*>(QStringLiteral("mnuUndo"));
    QAction* redo = window.findChild<QAction*>(QStringLiteral("mnuRedo"));
    QVERIFY(undo && redo && undo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    undo->trigger();
    QVERIFY(window.Table() == original);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionBSL.csv"));
    QCOMPARE(Showing(editor), "3/3 x=30");
    redo->trigger();
    QVERIFY(window.Table() == added);
    QCOMPARE(Showing(editor), "3/4 x=30");
    AnswerNextModal<SignNameDialog>([](SignNameDialog& dialog) { Child<QPushButton>(dialog, "cmdOK")->click(); });
    Click(editor, "cmdAddChar");
    QCOMPARE(list->count(), 6);
    editor.findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(list->count(), 5);
    QVERIFY(window.Table() == added);

    // Another system: Cancel keeps the system and the edits; Discard reads its table.
    const auto choose = [&window](SystemId system, QMessageBox::StandardButton answer) {
      return AnswersDuring(answer, [&] { window.Systems().ChooseSystem(system); }).join(u'|');
    };
    QCOMPARE(choose(SystemId::American, QMessageBox::Cancel), QStringLiteral("Save the changes to PositionBSL.csv?"));
    QCOMPARE(window.CurrentSettings().System, SystemId::BritishTwoHanded);
    QVERIFY(window.Table() == added);
    QCOMPARE(choose(SystemId::BritishTwoHanded, QMessageBox::Cancel), QString());  // the same system keeps them unasked
    QVERIFY(window.Table() == added);
    QCOMPARE(choose(SystemId::American, QMessageBox::Discard), QStringLiteral("Save the changes to PositionBSL.csv?"));
    QCOMPARE(window.CurrentSettings().System, SystemId::American);
    QCOMPARE(window.Table().HandCount, int16_t{1});
    QCOMPARE(choose(SystemId::BritishTwoHanded, QMessageBox::Cancel), QString());  // clean: nothing to ask
    QVERIFY(window.Table() == original);

    // Save writes the edits to the table's own file before the other system is read.
    ChooseFromList(*list, 2);
    Click(editor, "AddCmd");
    QCOMPARE(choose(SystemId::American, QMessageBox::Save), QStringLiteral("Save the changes to PositionBSL.csv?"));
    SignTable reread = SignTable::WithHands(2);
    QVERIFY(LoadAngleFile(reread, Dir() + "PositionBSL.csv"));
    QCOMPARE(reread.KeyFrameCount(2), 4);
    QCOMPARE(window.CurrentSettings().System, SystemId::American);

    // Opening a file asks too; Cancel keeps the table, Discard reads the file.
    choose(SystemId::BritishTwoHanded, QMessageBox::Cancel);
    Click(editor, "AddCmd");
    const SignTable edited = window.Table();
    QVERIFY(SaveAngleFile(*EditorTable(), Dir() + "other.csv"));
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Discard}) {
      AnswerNextModal<FileDialog>([](FileDialog& dialog) {
        ClickItem(*Child<QListWidget>(dialog, "File1"), QStringLiteral("other.csv"));
        Child<QPushButton>(dialog, "cmload")->click();
      });
      const QStringList asked = AnswersDuring(answer, [&] { MenusOf(window).mnuOpen->trigger(); });
      QCOMPARE(asked.join(u'|'), QStringLiteral("Save the changes to PositionBSL.csv?"));
      QVERIFY((window.Table() == edited) == (answer == QMessageBox::Cancel));
    }
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — other.csv"));

    // Closing: Save writes the file and the program ends.
    Click(editor, "AddCmd");
    QCOMPARE(AnswersDuring(QMessageBox::Save, [&] { QVERIFY(window.close()); }),
             QStringList{"Save the changes to other.csv?"});
    QVERIFY(LoadAngleFile(reread, Dir() + "other.csv"));
    QCOMPARE(reread.KeyFrameCount(2), 4);
  }

  void theFrameCopyWindowHandsBackAKeyFrameItShowed() {
    ShowWindow();
    PoseEditor& editor = OpenEditor();
    ChooseFromList(*Child<QComboBox>(editor, "cmbIndex"), 1);
    auto right = [this] { return window_->Engine().Hands()[0].pose(0); };

    QStringList shown;
    float afterThree = -1;
    AnswerNextModal<FrameCopyDialog>([&](FrameCopyDialog& copy) {
      QCOMPARE(copy.windowTitle(), QStringLiteral("Form1"));
      auto* list = Child<QComboBox>(copy, "cmbIndex");
      QCOMPARE(list->placeholderText(), QStringLiteral("Characters"));
      QCOMPARE(list->currentIndex(), -1);
      ChooseFromList(*list, 2);
      QCOMPARE(TextOf(copy, "TotalFrameLbl"), QStringLiteral("3"));
      QCOMPARE(right(), 10.0f);
      Type(*Child<QLineEdit>(copy, "FrameNoTxt"), "3");
      Click(copy, "cmdPreview");
      afterThree = right();
      for (const char* number : {"4", "0"}) {
        Type(*Child<QLineEdit>(copy, "FrameNoTxt"), number);
        shown += MessagesDuring([&] { Click(copy, "cmdPreview"); });
      }
      Click(copy, "Command1");
    });
    Click(editor, "CopyCmd");
    QCOMPARE(afterThree, 30.0f);
    QCOMPARE(shown, (QStringList{"Frame number exceeds", "Frame number exceeds"}));
    // The last key frame shown, in the boxes; the sign and frame edited are unchanged.
    QCOMPARE(Showing(editor), "1/1 x=30");
    QCOMPARE(editor.CurrentSign(), 1);
    QCOMPARE(MessagesDuring([&] { Click(editor, "cmdSet"); }), QStringList{"Data updated"});
    QCOMPARE(window_->Table().Frame(1, 0).RightWristPos[0], 30.0f);

    // Opened again, OK without a choice hands back the same key frame; a number typed
    // without "Preview" is not taken.
    AnswerNextModal<FrameCopyDialog>([&](FrameCopyDialog& copy) {
      QCOMPARE(Child<QComboBox>(copy, "cmbIndex")->currentIndex(), -1);
      Click(copy, "Command1");
    });
    Type(*BoxOf(editor, "WristPos_0"), "0");
    Click(editor, "CopyCmd");
    QCOMPARE(TextOf(editor, "WristPos_0"), QStringLiteral("30"));
    AnswerNextModal<FrameCopyDialog>([](FrameCopyDialog& copy) {
      ChooseFromList(*Child<QComboBox>(copy, "cmbIndex"), 3);
      Type(*Child<QLineEdit>(copy, "FrameNoTxt"), "2");
      Click(copy, "Command1");
    });
    Click(editor, "CopyCmd");
    QCOMPARE(TextOf(editor, "WristPos_0"), QStringLiteral("1"));
    // Cancel leaves the boxes alone.
    AnswerNextModal<FrameCopyDialog>([](FrameCopyDialog& copy) {
      ChooseFromList(*Child<QComboBox>(copy, "cmbIndex"), 2);
      Click(copy, "Command2");
    });
    Click(editor, "CopyCmd");
    QCOMPARE(TextOf(editor, "WristPos_0"), QStringLiteral("1"));

    // After a smaller table was loaded, the sign chosen before may be past its end.
    auto small = PlainAngleTable(2, 1);
    QVERIFY(SaveAngleFile(*small, Dir() + "PositionINA.csv"));
    AnswerNextMessageBox(QMessageBox::Discard);  // the Set above is not saved
    window_->Systems().ChooseSystem(SystemId::IndonesianTwoHanded);
    AnswerNextModal<FrameCopyDialog>([&](FrameCopyDialog& copy) {
      shown = MessagesDuring([&] { Click(copy, "cmdPreview"); });
      Click(copy, "Command1");
    });
    Click(editor, "CopyCmd");
    QCOMPARE(shown, QStringList{"Channel number exceeds"});
  }

 private:
  // Answers the next "File Save" window with `name`, then runs `next`.
  static void AnswerSaveAs(const QString& name, const std::function<void()>& next = {}) {
    AnswerNextModal<FileDialog>([name, next](FileDialog& dialog) {
      QCOMPARE(Child<QLabel>(dialog, "Label")->text(), QStringLiteral("File Save"));
      Child<QLineEdit>(dialog, "FileName")->setText(name);
      Child<QPushButton>(dialog, "cmload")->click();
      if (next) next();
    });
  }

  // Chooses sign 1, types the right wrist's turn and sets it.
  static void SetWristTurnOfSignOne(PoseEditor& editor, const char* turn) {
    ChooseFromList(*Child<QComboBox>(editor, "cmbIndex"), 1);
    Type(*BoxOf(editor, "WristTx_2"), turn);
    MessagesDuring([&] { Click(editor, "cmdSet"); });
  }

  PoseEditor& OpenEditor() {
    MenusOf(*window_).mnuEdit->trigger();
    auto* editor = window_->findChild<PoseEditor*>(QStringLiteral("EditFrm2"));
    if (!editor) qFatal("the pose editor did not open");
    // Focus events reach only the active window, and the editor watches them.
    ActivateWindow(*editor);
    return *editor;
  }
};

TOVARO_GUI_TEST(PoseEditorTest);

#include "pose_editor_test.moc"
