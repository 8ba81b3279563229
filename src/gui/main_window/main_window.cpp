#include "gui/main_window/main_window.h"

#include "gui/dialogs/about_dialog.h"
#include "gui/main_window/background_painter.h"
#include "gui/main_window/clickable_label.h"
#include "gui/editors/angle_table_saving.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/font_dialog.h"
#include "gui/view/hand_view.h"
#include "gui/help/help_launcher.h"
#include "gui/input/input_method_control.h"
#include "gui/dialogs/installed_fonts.h"
#include "gui/dialogs/language_dialog.h"
#include "gui/main_window/main_window_captions.h"
#include "gui/main_window/main_window_layout.h"
#include "gui/editors/pose_editor.h"
#include "gui/view/picture_recording.h"
#include "gui/practice/practice_runner.h"
#include "gui/practice/practice_window.h"
#include "gui/editors/reading_list_editor.h"
#include "gui/view/word_export.h"
#include "gui/input/reading_capture.h"
#include "gui/view/playback_bar.h"
#include "gui/view/playback_menu.h"
#include "gui/view/reference_chart_window.h"
#include "gui/view/view_menu.h"
#include "gui/view/word_playback_control.h"
#include "convert/spelled_letters.h"
#include "gui/dialogs/system_choice_dialog.h"
#include "gui/view/user_input_hold.h"
#include "gui/editors/word_list_editor.h"
#include "playback/keeping_player.h"
#include "playback/view_controls.h"
#include "shell/input_layout.h"
#include "shell/list_word_playback.h"
#include "shell/practice_history.h"
#include "shell/settings_file.h"
#include "shell/system_setup.h"
#include "shell/word_list_rules.h"
#include "signdata/angle_file.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int kBackgroundStyle = 0;
constexpr int16_t kEditingCode = 742;
constexpr int kDefaultWidth = 900;
constexpr int kDefaultHeight = 600;

QFont FontObject(const FontDescription& description) {
  QFont font(description.Name);
  font.setPointSize(description.Size >= 1 ? description.Size : 10);
  font.setBold(true);
  return font;
}

}  // namespace

MainWindow::MainWindow(QString appDirectory, QWidget* parent)
    : MainWindow(PlacesBeside(appDirectory), parent) {}

MainWindow::MainWindow(ProgramPlaces places, QWidget* parent)
    : QMainWindow(parent),
      ui_(BuildMainWindowControls(*new QWidget(this))),
      menus_(BuildMainWindowMenus(*menuBar())),
      places_(std::move(places)),
      messages_(this),
      engine_(document_.Table(), *ui_.handView),
      player_(engine_),
      recorder_(engine_),
      signs_(document_.Table(), player_),
      inputHold_(new UserInputHold(this)),
      pictures_(new PictureRecording({this, ui_.handView, ui_.recordingPanel, ui_.readingBox, ui_.speedBox,
                                      &recorder_, &signs_, &messages_,
                                      [this] { return Interface(); }},
                                     places_.UserFolder, this)),
      readingCapture_(new ReadingCapture(*ui_.wordBox, *ui_.readingBox, this)),
      playbackControl_(new WordPlaybackControl(player_, engine_, *ui_.playbackBar, this)),
      playbackMenu_(std::make_unique<PlaybackMenu>(BuildPlaybackMenu(*menuBar(), menus_.HelpMenus->menuAction()))),
      viewMenu_(std::make_unique<ViewMenu>(BuildViewMenu(*menuBar(), menus_.HelpMenus->menuAction()))),
      fontFamilies_(InstalledFontFamilies) {
  setObjectName(QStringLiteral("frmSpace"));
  setWindowTitle(QStringLiteral("Tovaro"));
  setCentralWidget(ui_.handView->parentWidget());
  resize(kDefaultWidth, kDefaultHeight);
  UseMetricCompatibleFonts();
  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObject(settings_.Fonts[i]);
  ConnectControls();
  ConnectMenus();
  ConnectPlayback();
  ConnectViewMenu();
}

MainWindow::~MainWindow() {
  // The drawing area outlives the members; it must not paint hands that are gone.
  player_.Stop();
}

QString MainWindow::SettingsPath() const { return places_.SettingsFile(); }

const QFont& MainWindow::InterfaceFont() const {
  return fonts_[InterfaceFontIndex(Interface())];
}

void MainWindow::ConnectControls() {
  connect(ui_.handView, &HandView::viewChanged, this, &MainWindow::RedrawView);
  // Input waits while a word plays, and is handled when it ends.
  connect(&player_, &TimedPlayer::started, inputHold_, &UserInputHold::Hold);
  connect(&player_, &TimedPlayer::finished, this, &MainWindow::WordEnded);

  connect(ui_.startButton, &QPushButton::clicked, this, &MainWindow::StartWord);
  connect(ui_.readingBox, &QLineEdit::returnPressed, this, &MainWindow::StartWord);
  // During a composition Enter only commits; the capture keeps it from the box.
  connect(ui_.wordBox, &QLineEdit::returnPressed, this, &MainWindow::StartWord);
  connect(readingCapture_, &ReadingCapture::readingMissing, this, &MainWindow::ShowStatus);
  // Every change the user makes to the word box converts it: typed, pasted or
  // committed by an input method.
  connect(ui_.wordBox, &QLineEdit::textEdited, this, &MainWindow::ConvertTypedWord);
  connect(ui_.speedBox, &QLineEdit::textChanged, this,
          [this](const QString& text) { settings_.SpeedText = text; });
  connect(ui_.numericBox, &QCheckBox::clicked, this, &MainWindow::NumericClicked);
  connect(ui_.hangulModeButton, &QToolButton::clicked, this, &MainWindow::MethodClicked);
  connect(ui_.systemLabel, &ClickableLabel::clicked, this, &MainWindow::FingerspellOption);
  connect(ui_.homeButton, &QPushButton::clicked, this, &MainWindow::GoHome);
  connect(ui_.closeRecordingButton, &QPushButton::clicked, this, &MainWindow::CloseRecordingPanel);
  connect(ui_.captureButton, &QPushButton::clicked, pictures_, &PictureRecording::Capture);
  connect(ui_.recordButton, &QPushButton::clicked, pictures_, &PictureRecording::Record);

  auto* viewPoints = new QButtonGroup(this);
  viewPoints->addButton(ui_.viewPointOptions[0], 0);
  viewPoints->addButton(ui_.viewPointOptions[1], 1);
  connect(viewPoints, &QButtonGroup::idClicked, this, &MainWindow::ChooseViewPoint);
  connect(ui_.naturalHandsBox, &QCheckBox::toggled, this, &MainWindow::ChooseNaturalHands);
  // Told from inside a paint; the message box waits until the paint is over.
  connect(ui_.handView, &HandView::naturalHandsUnavailable, this,
          &MainWindow::NaturalHandsUnavailable, Qt::QueuedConnection);

  ui_.wordBox->installEventFilter(this);
  ui_.readingBox->installEventFilter(this);
  ui_.speedBox->installEventFilter(this);
}

void MainWindow::ConnectMenus() {
  QUndoStack& history = document_.UndoStack();
  menus_.mnuUndo = history.createUndoAction(menus_.EditMenus);
  menus_.mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
  menus_.mnuUndo->setShortcut(QKeySequence::Undo);
  menus_.mnuRedo = history.createRedoAction(menus_.EditMenus);
  menus_.mnuRedo->setObjectName(QStringLiteral("mnuRedo"));
  menus_.mnuRedo->setShortcut(QKeySequence::Redo);
  menus_.EditMenus->addAction(menus_.mnuUndo);
  menus_.EditMenus->addAction(menus_.mnuRedo);
  connect(&document_, &AngleTableDocument::filePathChanged, this, &MainWindow::ShowTableFileInTitle);
  connect(&document_, &AngleTableDocument::cleanChanged, this, &MainWindow::ShowTableFileInTitle);
  // The chart shows the table as it stands; the engine and the editor read it too.
  connect(&document_, &AngleTableDocument::changed, this, &MainWindow::RefreshChart);

  connect(menus_.mnuOpen, &QAction::triggered, this, &MainWindow::OpenAngleFile);
  connect(menus_.mnuExport, &QAction::triggered, this, &MainWindow::ExportWord);
  connect(menus_.mnuBmp, &QAction::triggered, pictures_, &PictureRecording::OpenBitmapMenu);
  connect(menus_.mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(menus_.mnuOption, &QAction::triggered, this, &MainWindow::FingerspellOption);
  connect(menus_.mnuLang, &QAction::triggered, this, &MainWindow::LanguageOption);
  connect(menus_.mnuFont, &QAction::triggered, this, &MainWindow::FontSelection);
  connect(menus_.mnuAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
  connect(menus_.mnuEnglishHelp, &QAction::triggered, this, [this] { ShowHelp(0); });
  connect(menus_.mnuJapaneseHelp, &QAction::triggered, this, [this] { ShowHelp(1); });
  connect(menus_.mnuKoreanHelp, &QAction::triggered, this, [this] { ShowHelp(2); });
  connect(menus_.mnuIndonesianHelp, &QAction::triggered, this, [this] { ShowHelp(3); });
  menus_.mnuEdit->setEnabled(true);
  connect(menus_.mnuEdit, &QAction::triggered, this, &MainWindow::OpenPoseEditor);
  connect(menus_.mnuList, &QAction::triggered, this, &MainWindow::EditWordList);
  connect(menus_.mnuQuiz, &QAction::triggered, this, &MainWindow::Practice);
}

void MainWindow::ConnectPlayback() {
  // While a word plays its own keys act at once, and the mouse turns the view and moves
  // the slider; everything else waits for the word to end.
  inputHold_->SetPassageRule([this](QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (!WordPlaybackControl::IsPlaybackKey(key)) return UserInputHold::Passage::Hold;
      if (event->type() == QEvent::KeyPress) playbackControl_->HandleKey(key);
      return UserInputHold::Passage::Taken;
    }
    if (event->type() == QEvent::ContextMenu) return UserInputHold::Passage::Hold;
    for (QWidget* passing : {static_cast<QWidget*>(ui_.handView), static_cast<QWidget*>(ui_.playbackBar->Slider())})
      if (watched == passing) return UserInputHold::Passage::Pass;
    return UserInputHold::Passage::Hold;
  });

  const PlaybackMenu& play = *playbackMenu_;
  connect(play.replay, &QAction::triggered, playbackControl_, &WordPlaybackControl::Replay);
  connect(play.pause, &QAction::triggered, this, [this] { playbackControl_->HandleKey(Qt::Key_Space); });
  connect(play.stop, &QAction::triggered, playbackControl_, &WordPlaybackControl::StopToRest);
  connect(play.stepBack, &QAction::triggered, this, [this] { playbackControl_->StepSign(-1); });
  connect(play.stepForward, &QAction::triggered, this, [this] { playbackControl_->StepSign(+1); });
  for (size_t i = 0; i < play.slowMotion.size(); ++i) {
    const int percent = PlaybackMenu::kSlowMotionPercents[i];
    connect(play.slowMotion[i], &QAction::triggered, this, [this, percent] { player_.SetSlowMotion(percent); });
  }
}

void MainWindow::ConnectViewMenu() {
  for (const auto& [action, preset] : viewMenu_->presets) {
    connect(action, &QAction::triggered, this, [this, preset] {
      ApplyViewPreset(ui_.handView->View(), preset);
      RedrawView();
    });
  }
  connect(viewMenu_->leftHanded, &QAction::toggled, this, &MainWindow::SetLeftHanded);
  connect(viewMenu_->chart, &QAction::triggered, this, &MainWindow::ShowChart);
}

void MainWindow::SetLeftHanded(bool leftHanded) {
  settings_.LeftHanded = leftHanded;
  ui_.handView->View().Mirrored = leftHanded;
  if (viewMenu_->leftHanded->isChecked() != leftHanded) {
    const QSignalBlocker quiet(viewMenu_->leftHanded);
    viewMenu_->leftHanded->setChecked(leftHanded);
  }
  RedrawView();
  RefreshChart();
}

ReferenceChartWindow& MainWindow::ChartWindow() {
  if (!chartWindow_) {
    chartWindow_ = new ReferenceChartWindow(this);
    chartWindow_->SetTitle(captions_.Caption(ReferenceChartCaption, Interface()));
    connect(chartWindow_, &ReferenceChartWindow::signChosen, this, &MainWindow::PlaySign);
  }
  return *chartWindow_;
}

void MainWindow::ShowChart() {
  ReferenceChartWindow& chart = ChartWindow();
  chart.ShowSigns(document_.Table(), ui_.handView->Appearance(), settings_.LeftHanded);
  chart.show();
  chart.raise();
}

void MainWindow::RefreshChart() {
  if (chartWindow_ && chartWindow_->isVisible())
    chartWindow_->ShowSigns(document_.Table(), ui_.handView->Appearance(), settings_.LeftHanded);
}

void MainWindow::PlaySign(int slot) {
  if (player_.IsPlaying()) return;
  const int frames = document_.Table().KeyFrameCount(slot);
  if (frames < 1) return;
  // From the pose shown now, each key frame in turn at the pace of speed 100.
  MoveScript script;
  for (int frame = 0; frame < frames; ++frame) {
    script.push_back(Move::Target(slot, frame));
    script.push_back(Move::Redraw(40));
  }
  playbackControl_->SetLetters({});
  player_.Play(script);
}

void MainWindow::SetPracticeRunning(bool running) { playbackControl_->SetPracticeRunning(running); }

bool MainWindow::StartUp() {
  ui_.handView->InitOpenGL(messages_);
  // The fonts, the hands and the sign front end exist from construction on.
  // A first start has no settings file yet and starts quietly with the defaults.
  if (QFileInfo::exists(SettingsPath()) && !ReadSettings(SettingsPath(), settings_))
    messages_.ShowMessage(QStringLiteral("Initial file could not be loaded"));
  {
    const QSignalBlocker quiet(ui_.naturalHandsBox);
    ui_.naturalHandsBox->setChecked(settings_.Appearance == HandAppearance::Natural);
    QString message;
    if (ui_.handView->SetAppearance(settings_.Appearance, &message) != settings_.Appearance)
      NaturalHandsUnavailable(message);
  }
  ui_.speedBox->setText(settings_.SpeedText);
  if (!FormSetting()) return false;
  // The view as it was left at the end of the last run.
  ViewState& view = ui_.handView->View();
  view.ViewAzimuth = settings_.ViewAzimuth;
  view.ViewElevation = settings_.ViewElevation;
  view.ViewAngle = settings_.ViewAngle;
  const float fromSigner = std::fabs(std::remainder(view.ViewAzimuth - 180.0f, 360.0f));
  ui_.viewPointOptions[fromSigner < 90.0f ? 1 : 0]->setChecked(true);
  SetLeftHanded(settings_.LeftHanded);
  return true;
}

bool MainWindow::FormSetting() {
  hangulMode_ = false;
  ui_.hangulModeButton->setIcon(ui_.latinPicture);
  PaintBackground(*this, kBackgroundStyle, u'B');

  const bool editing = settings_.EditableCode == kEditingCode;
  menus_.mnuEdit->setVisible(editing);
  menus_.mnuBmp->setVisible(editing);
  menus_.EditMenus->menuAction()->setVisible(editing);

  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObject(settings_.Fonts[i]);

  if (!settings_.Interface) {
    settings_.Interface = FirstRunLanguage();
    if (!settings_.Interface) return false;
  }
  CaptionSetting();

  CloseRecordingPanel();
  ui_.handView->View().Reset();
  ui_.handView->View().Mirrored = settings_.LeftHanded;
  ui_.viewPointOptions[0]->setChecked(true);
  PositionInitializeRoutine(settings_.System);
  // The first picture shows the rest pose of the loaded system rather than the
  // hand as it was built.
  engine_.SetHandPose(0, 0);
  engine_.DrawHands();
  return true;
}

std::optional<InterfaceLanguage> MainWindow::FirstRunLanguage() {
  LanguageDialog& window = LanguageWindow();
  window.PrepareFirstRun(systemLocale_);
  window.exec();
  return window.LangChoice();
}

void MainWindow::LanguageOption() {
  LanguageDialog& window = LanguageWindow();
  window.PrepareLanguageOption(Interface());
  window.exec();
  if (window.LangChoice()) ChooseInterfaceLanguage(*window.LangChoice());
}

void MainWindow::ChooseInterfaceLanguage(InterfaceLanguage language) {
  settings_.Interface = language;
  CaptionSetting();
  PositionInitializeRoutine(settings_.System);
}

void MainWindow::FontSelection() {
  FontDialog& window = FontWindow();
  window.InitialSet(settings_.Fonts);
  if (window.exec() != QDialog::Accepted) return;
  settings_.Fonts = window.Fonts();
  // The set-up builds the font objects anew and puts them on every control; it cannot
  // end the program here, since the interface language is already chosen.
  FormSetting();
}

void MainWindow::ShowAbout() { AboutWindow().exec(); }

void MainWindow::ShowHelp(int16_t index) { OpenHelpDocument(places_.DataFolder, index, messages_, this); }
void MainWindow::OpenPoseEditor() {
  if (document_.Table().HasLayout()) EditWindow().Open(ui_.systemLabel->text());
}

void MainWindow::CaptionSetting() {
  ApplyMainWindowFont(ui_, InterfaceFont());
  ui_.playbackBar->SetInterfaceFont(InterfaceFont());
  ApplyMainWindowCaptions(ui_, menus_, captions_, Interface());
  ui_.playbackBar->SetCaptions(captions_, Interface());
  ApplyPlaybackMenuCaptions(*playbackMenu_, captions_, Interface());
  ApplyViewMenuCaptions(*viewMenu_, captions_, Interface());
  if (chartWindow_) chartWindow_->SetTitle(captions_.Caption(ReferenceChartCaption, Interface()));
  if (optionWindow_) {
    optionWindow_->SetInterfaceFont(InterfaceFont());
    optionWindow_->SetCaptions(captions_, Interface());
  }
}

void MainWindow::HangulInputMethod() {
  hangulMode_ = !hangulMode_;
  ui_.hangulModeButton->setIcon(hangulMode_ ? ui_.hangulPicture : ui_.latinPicture);
}

void MainWindow::ApplyLayout(const InputLayout& layout) {
  ApplyInputLayout(ui_, layout, captions_, Interface(), fonts_);
  numericMode_ = layout.NumericMode;
  // Readings are taken from the word box only where the reading is spelled: JSL with
  // the Japanese interface (JSLSetting).
  readingCapture_->SetActive(false);
}

void MainWindow::AlphabetSetting() { ApplyLayout(AlphabetLayout()); }
void MainWindow::JSLSetting() {
  ApplyLayout(JslLayout(Interface()));
  readingCapture_->SetActive(Interface() == InterfaceLanguage::Japanese);
  if (Interface() == InterfaceLanguage::Japanese) {
    readingCapture_->SetReadingMode(ReadingCapture::Mode::UpperCase);
    OpenInputMethod(*ui_.wordBox, 1, 0, 0);  // roman input, full width, hiragana
  } else {
    SetInputMethodOpen(*ui_.wordBox, false);
  }
}
void MainWindow::KSLSetting() { ApplyLayout(KslLayout(hangulMode_)); }
void MainWindow::NumericON() { ApplyLayout(NumericLayout()); }

bool MainWindow::PositionInitializeRoutine(SystemId system) { return LoadSystem(system, false); }

bool MainWindow::LoadSystem(SystemId system, bool replaceEdits) {
  const SystemSetup setup = LayOutSystem(system);
  const QString path = setup.FileName.isEmpty() ? QString() : places_.DataFile(setup.FileName);
  signs_.LangSet(system);
  // A new interface language or font lays the system out again; the table being edited
  // stays, since reading its file anew would lose what the user has not saved.
  if (!replaceEdits && !document_.IsClean() && setup.TableHands && document_.Table().HandCount == *setup.TableHands)
    return true;
  if (setup.TableHands) document_.SetLayout(*setup.TableHands);

  const std::optional<FileResult> loaded = document_.Load(path);
  if (loaded && !*loaded) {
    messages_.ShowMessage(LoadFailureMessage(path, *loaded));
    return OpenAngleFile();
  }
  return true;
}

SystemSetup MainWindow::LayOutSystem(SystemId system) {
  const SystemSetup setup = SetupOfSystem(system);
  switch (setup.Layout) {
    case SystemLayout::Alphabet:
      AlphabetSetting();
      if (setup.SignLabelCaption)
        ui_.systemLabel->setText(captions_.Caption(*setup.SignLabelCaption, Interface()));
      break;
    case SystemLayout::Jsl:
      if (setup.NumeralBase) signs_.SetNumeralBase(*setup.NumeralBase);
      JSLSetting();
      break;
    case SystemLayout::Ksl:
      if (setup.NumeralBase) signs_.SetNumeralBase(*setup.NumeralBase);
      KSLSetting();
      break;
    case SystemLayout::None: break;
  }
  return setup;
}

void MainWindow::ShowTableFileInTitle() {
  const QString path = document_.FilePath();
  if (path.isEmpty()) {
    setWindowTitle(QStringLiteral("Tovaro"));
    return;
  }
  setWindowTitle(QStringLiteral("Tovaro — ") + QFileInfo(path).fileName() + (document_.IsClean() ? "" : "*"));
}

bool MainWindow::SettleUnsavedTable() { return ::SettleUnsavedTable(this, document_, FileWindow()); }

bool MainWindow::OpenAngleFile() {
  FileDialog& dialog = FileWindow();
  dialog.OptionInitialize();
  dialog.SetLoadMode(true);
  dialog.SetTitle(QStringLiteral("File Load"));
  dialog.AddFajliloOptions(QStringLiteral("Angle Data"), QStringLiteral(".csv"));
  dialog.exec();
  if (!dialog.Decided()) return false;
  if (dialog.Extension() != QStringLiteral(".csv")) return false;
  const QString path = dialog.FullPath();
  if (!SettleUnsavedTable()) return false;
  const std::optional<FileResult> loaded = document_.Load(path);
  if (loaded && !*loaded) {
    messages_.ShowMessage(LoadFailureMessage(path, *loaded));
    return false;
  }
  return true;
}

void MainWindow::FingerspellOption() {
  SystemChoiceDialog& window = OptionWindow();
  window.MarkSystem(settings_.System);
  window.exec();
  // Closing the window lays out the system in use again.
  ChooseSystem(window.SystemChoice().value_or(settings_.System));
}

void MainWindow::ChooseSystem(SystemId system) {
  const SystemId previousSystem = settings_.System;
  // Another system reads another table: changes not saved are settled first, and
  // Cancel leaves everything as it was. The same system keeps the table being edited.
  const bool another = system != previousSystem;
  if (another && !SettleUnsavedTable()) {
    FocusWordBox();
    return;
  }
  const SignTable previousTable = document_.Table();
  const QString previousPath = document_.FilePath();
  settings_.System = system;
  signs_.LangSet(settings_.System);
  ui_.wordBox->clear();
  ui_.readingBox->clear();
  if (!LoadSystem(settings_.System, another) && another) {
    // No table for the new system: the one that was showing stays, and the boxes, the
    // label and the choice say so.
    document_.Restore(previousTable, previousPath);
    settings_.System = previousSystem;
    LayOutSystem(previousSystem);
    signs_.LangSet(previousSystem);
  }
  // The rest pose of the new table, shown at once rather than at the next repaint.
  if (engine_.SetHandPose(0, 0)) engine_.DrawHands();
  FocusWordBox();
}

void MainWindow::FocusWordBox() {
  QLineEdit* box = ui_.wordBox->isVisibleTo(this) ? ui_.wordBox : ui_.readingBox;
  box->setFocus(Qt::OtherFocusReason);
}

SystemChoiceDialog& MainWindow::OptionWindow() {
  if (!optionWindow_) {
    optionWindow_ = new SystemChoiceDialog(this);
    optionWindow_->SetInterfaceFont(InterfaceFont());
    optionWindow_->SetCaptions(captions_, Interface());
  }
  return *optionWindow_;
}

LanguageDialog& MainWindow::LanguageWindow() {
  if (!languageWindow_) languageWindow_ = new LanguageDialog(this);
  return *languageWindow_;
}

FontDialog& MainWindow::FontWindow() {
  if (!fontWindow_) fontWindow_ = new FontDialog(fontFamilies_, this);
  return *fontWindow_;
}

AboutDialog& MainWindow::AboutWindow() {
  if (!aboutWindow_) aboutWindow_ = new AboutDialog(this);
  return *aboutWindow_;
}

PoseEditor& MainWindow::EditWindow() {
  if (!poseEditor_) {
    poseEditor_ = new PoseEditor(
        {document_, engine_, player_, [this] { return ui_.speedBox->text(); },
         [this]() -> FileDialog& { return FileWindow(); }},
        this);
  }
  return *poseEditor_;
}

WordListEditor& MainWindow::WordListWindow() {
  if (!wordListEditor_) {
    wordListEditor_ = new WordListEditor(this);
    connect(wordListEditor_, &WordListEditor::hangulModeClicked, this, &MainWindow::MethodClicked);
    connect(wordListEditor_, &ListEditorWindow::spellRequested, this, &MainWindow::SpellListWord);
  }
  return *wordListEditor_;
}

ReadingListEditor& MainWindow::ReadingListWindow() {
  if (!readingListEditor_) {
    readingListEditor_ = new ReadingListEditor(this);
    connect(readingListEditor_, &ListEditorWindow::spellRequested, this, &MainWindow::SpellListWord);
  }
  return *readingListEditor_;
}

void MainWindow::EditWordList() {
  const WordListSource source = WordListOfSystem(settings_.System, Interface());
  // The shipped list is read until the user has saved one; a save writes the user's copy.
  const QString readPath = places_.FileToRead(source.FileName);
  const QString path = places_.UserFile(source.FileName);
  WordListLoad load = LoadWordListFile(readPath, source.Format);
  // The editor still opens, empty, and a save creates the file.
  if (!load.ok) {
    messages_.ShowMessage(WordListReadMessage(readPath, load.reason));
    load.list = {};
  }
  if (source.ReadingEditor) {
    ReadingListEditor& editor = ReadingListWindow();
    editor.Initialize(path, load.list, InterfaceFont());
    PlaceBesideHand(editor);
    editor.exec();
    return;
  }
  WordListEditor& editor = WordListWindow();
  editor.Initialize({path, source, settings_.System, hangulMode_, InterfaceFont(), fonts_[EnglishFont],
                     fonts_[KoreanFont]},
                    load.list);
  PlaceBesideHand(editor);
  editor.exec();
}

PracticeWindow& MainWindow::PracticeWindowOf() {
  if (!practiceWindow_) {
    practiceWindow_ = new PracticeWindow(this);
    practiceRunner_ = new PracticeRunner(*practiceWindow_, {ui_.wordBox, ui_.readingBox, ui_.speedBox}, signs_,
                                         messages_, places_.UserFile(kPracticeHistoryFileName), practiceWindow_);
    // The options chosen in the window are kept in the settings file.
    connect(practiceRunner_, &PracticeRunner::ended, this, [this] {
      settings_.PracticeTypedAnswer = practiceWindow_->TypedAnswer();
      settings_.PracticeAdaptSpeed = practiceWindow_->AdaptSpeed();
      settings_.PracticeShortest = static_cast<int16_t>(practiceWindow_->Shortest());
      settings_.PracticeLongest = static_cast<int16_t>(practiceWindow_->Longest());
    });
  }
  return *practiceWindow_;
}

void MainWindow::Practice() {
  PracticeWindow& window = PracticeWindowOf();
  if (practiceRunner_->IsRunning()) return;
  window.SetCaptions(captions_, Interface(), InterfaceFont());
  window.SetOptions(settings_.PracticeTypedAnswer, settings_.PracticeAdaptSpeed, settings_.PracticeShortest,
                    settings_.PracticeLongest);
  WordList list;
  QString listError;
  // The numerals practise random numbers; no list is read for them.
  if (!numericMode_) {
    const WordListSource source = WordListOfSystem(settings_.System, Interface());
    const QString path = places_.FileToRead(source.FileName);
    const WordListLoad load = LoadWordListFile(path, source.Format);
    if (load.ok)
      list = load.list;
    else
      listError = WordListReadMessage(path, load.reason);
  }
  window.adjustSize();
  PlaceBesideHand(window);
  const auto seed = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
  practiceRunner_->Start(std::make_unique<PracticeSession>(settings_.System, numericMode_,
                                                           Interface(), list, seed),
                         listError);
}

// A word double-clicked in an editor is spelled on the hand, so the editor stands at
// the right of the window, over the input boxes rather than the drawing area.
void MainWindow::PlaceBesideHand(QWidget& window) const {
  const QRect frame = frameGeometry();
  window.move(frame.right() - window.frameGeometry().width(), frame.top() + 40);
}

void MainWindow::SpellListWord(const QString& word) {
  if (player_.IsPlaying()) return;
  const WordListSource source = WordListOfSystem(settings_.System, Interface());
  PlayListWord(signs_, messages_, settings_.System, source.Spelling, word, ui_.speedBox->text());
}

FileDialog& MainWindow::FileWindow() {
  if (!fileDialog_) {
    fileDialog_ = new FileDialog(this);
    fileDialog_->SetFolder(places_.DataFolder);
    fileDialog_->SetSaveFallbackFolder(places_.UserFolder);
  }
  return *fileDialog_;
}

void MainWindow::StartWord() {
  // Input waits while a word plays, so a second Start comes only once it has ended.
  if (player_.IsPlaying()) return;
  const StartTexts texts{ui_.wordBox->text(), ui_.readingBox->text(), ui_.speedBox->text()};
  RunStartFlow(signs_, messages_, CurrentInputModes(), texts);
  if (player_.IsPlaying()) playbackControl_->SetLetters(LettersOfLastWord(signs_, document_.Table()));
  // Nothing the alphabet passes over goes without a word.
  ShowStatus(StartStatus(CurrentInputModes(), texts));
}

void MainWindow::ShowStatus(const QString& text) {
  if (text.isEmpty()) statusBar()->clearMessage();
  else statusBar()->showMessage(text);
}

void MainWindow::WordEnded() {
  inputHold_->Release();
  emit wordFinished();
}

InputModes MainWindow::CurrentInputModes() const {
  return {settings_.System, numericMode_, Interface(), hangulMode_};
}

void MainWindow::ConvertTypedWord() {
  const std::optional<QString> converted = LiveConversion(signs_, CurrentInputModes(), ui_.wordBox->text());
  if (converted) ui_.readingBox->setText(*converted);
}

void MainWindow::NumericClicked(bool checked) {
  if (checked) {
    NumericON();
    signs_.LangSet(SystemId::Numerals);
    ui_.hangulModeButton->hide();
  } else if (settings_.System == SystemId::JapaneseKana) {
    JSLSetting();
    signs_.LangSet(SystemId::JapaneseKana);
  } else if (settings_.System == SystemId::KoreanHangul) {
    KSLSetting();
    signs_.LangSet(SystemId::KoreanHangul);
    ui_.hangulModeButton->show();
  }
  ui_.wordBox->clear();
  ui_.readingBox->clear();
}

void MainWindow::MethodClicked() {
  HangulInputMethod();
  KSLSetting();
  if (wordListEditor_) wordListEditor_->SetHangulMode(hangulMode_);
}

void MainWindow::ChooseViewPoint(int option) {
  SetViewPoint(ui_.handView->View(), option);
  RedrawView();
}

void MainWindow::ChooseNaturalHands(bool natural) {
  const HandAppearance wanted = natural ? HandAppearance::Natural : HandAppearance::Classic;
  QString message;
  if (ui_.handView->SetAppearance(wanted, &message) != wanted) NaturalHandsUnavailable(message);
  settings_.Appearance = ui_.handView->Appearance();
  RedrawView();
  RefreshChart();
}

void MainWindow::NaturalHandsUnavailable(const QString& message) {
  const QSignalBlocker quiet(ui_.naturalHandsBox);
  ui_.naturalHandsBox->setChecked(false);
  ui_.handView->SetAppearance(HandAppearance::Classic, nullptr);
  settings_.Appearance = HandAppearance::Classic;
  messages_.ShowMessage(message);
}

void MainWindow::GoHome() {
  HomeView(ui_.handView->View());
  // Home keeps the view point that is chosen.
  SetViewPoint(ui_.handView->View(), ui_.viewPointOptions[1]->isChecked() ? 1 : 0);
  RedrawView();
}

// The current pose, drawn again as the view changed; a movement in progress goes on.
void MainWindow::RedrawView() { engine_.DrawHands(); }

void MainWindow::CloseRecordingPanel() {
  ui_.recordingPanel->hide();
  recorder_.Stop();
}

// The word Start would spell, written as an animation of the drawing area's size and
// view, through a sign front end of its own so the word on screen is not disturbed.
void MainWindow::ExportWord() {
  if (player_.IsPlaying()) return;
  KeepingPlayer keeper;
  SignClass exportSigns(document_.Table(), keeper);
  exportSigns.SetNumeralBase(signs_.NumeralBase());
  if (signs_.CurrentSystem()) exportSigns.LangSet(*signs_.CurrentSystem());
  const StartOutcome outcome = RunStartFlow(exportSigns, messages_, CurrentInputModes(),
                                            {ui_.wordBox->text(), ui_.readingBox->text(), ui_.speedBox->text()});
  if (outcome != StartOutcome::Played) return;

  FileDialog& dialog = FileWindow();
  dialog.OptionInitialize();
  dialog.SetLoadMode(false);
  dialog.SetTitle(QStringLiteral("Export"));
  dialog.AddFajliloOptions(QStringLiteral("Animated GIF"), QStringLiteral(".gif"));
  dialog.AddFajliloOptions(QStringLiteral("MP4 Video"), QStringLiteral(".mp4"));
  dialog.exec();
  if (!dialog.Decided()) return;
  AnimationExportSettings settings;
  settings.path = dialog.FullPath();
  settings.size = QSize(ui_.handView->Width(), ui_.handView->Height());
  settings.view = ui_.handView->View();
  settings.appearance = ui_.handView->Appearance();
  // What became of it comes from the export itself, which ends on its own.
  new WordExport(*this, document_.Table(), keeper.Script(), settings, messages_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_.wordBox && event->type() == QEvent::MouseButtonPress) {
    ui_.wordBox->clear();
    ui_.readingBox->clear();
  } else if ((watched == ui_.readingBox || watched == ui_.speedBox) &&
             event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed the cursor.
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Edits never saved would be lost with the program.
  if (!SettleUnsavedTable()) {
    event->ignore();
    return;
  }
  // A word still playing stops at once: at a slow speed it could take minutes.
  player_.Stop();
  ShutDown();
  event->accept();
}

void MainWindow::ShutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  settings_.SpeedText = ui_.speedBox->text();
  const ViewState& view = ui_.handView->View();
  settings_.ViewAzimuth = view.ViewAzimuth;
  settings_.ViewElevation = view.ViewElevation;
  settings_.ViewAngle = view.ViewAngle;
  // Said where the user sees it: the next start would otherwise come up with old settings
  // and no word why.
  if (!WriteSettings(SettingsPath(), settings_))
    messages_.ShowMessage(QStringLiteral("The settings could not be written to %1").arg(SettingsPath()));
}
