#include "gui/main_window/main_window.h"

#include "convert/spelled_letters.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/font_dialog.h"
#include "gui/dialogs/installed_fonts.h"
#include "gui/dialogs/language_dialog.h"
#include "gui/dialogs/system_choice_dialog.h"
#include "gui/editors/pose_editor.h"
#include "gui/editors/word_list_controller.h"
#include "gui/help/help_launcher.h"
#include "gui/input/input_box_behaviour.h"
#include "gui/input/reading_capture.h"
#include "gui/main_window/background_painter.h"
#include "gui/main_window/clickable_label.h"
#include "gui/main_window/main_window_captions.h"
#include "gui/main_window/system_controller.h"
#include "gui/practice/practice_controller.h"
#include "gui/practice/progress_controller.h"
#include "gui/view/export_controller.h"
#include "gui/view/hand_view.h"
#include "gui/view/picture_recording.h"
#include "gui/view/playback_bar.h"
#include "gui/view/playback_menu.h"
#include "gui/view/user_input_hold.h"
#include "gui/view/view_controller.h"
#include "gui/view/view_menu.h"
#include "gui/view/word_playback_control.h"
#include "shell/settings_file.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace {

constexpr int kBackgroundStyle = 0;
constexpr int16_t kEditingCode = 742;
constexpr int kDefaultWidth = 900;
constexpr int kDefaultHeight = 600;

}  // namespace

MainWindow::MainWindow(QString appDirectory, QWidget* parent) : MainWindow(PlacesBeside(appDirectory), parent) {}

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
                                      &recorder_, &signs_, &messages_, [this] { return Interface(); }},
                                     places_.UserFolder, this)),
      readingCapture_(new ReadingCapture(*ui_.wordBox, *ui_.readingBox, this)),
      playbackControl_(new WordPlaybackControl(player_, engine_, *ui_.playbackBar, this)),
      playbackMenu_(std::make_unique<PlaybackMenu>(BuildPlaybackMenu(*menuBar(), menus_.HelpMenus->menuAction()))),
      viewMenu_(std::make_unique<ViewMenu>(BuildViewMenu(*menuBar(), menus_.HelpMenus->menuAction()))),
      dialogs_(*this, places_, captions_, [this]() -> const FontFamilySource& { return fontFamilies_; }),
      fontFamilies_(InstalledFontFamilies) {
  setObjectName(QStringLiteral("frmSpace"));
  setWindowTitle(QStringLiteral("Tovaro"));
  setCentralWidget(ui_.handView->parentWidget());
  resize(kDefaultWidth, kDefaultHeight);
  UseMetricCompatibleFonts();
  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObjectOf(settings_.Fonts[i]);
  MakeControllers();
  ConnectControls();
  ConnectMenus();
}

MainWindow::~MainWindow() {
  // The drawing area outlives the members; it must not paint hands that are gone.
  player_.Stop();
}

void MainWindow::MakeControllers() {
  systems_ = new SystemController({*this, ui_, captions_, places_, document_, signs_, engine_, *readingCapture_,
                                   messages_, [this]() -> FileDialog& { return FileWindow(); },
                                   [this] { return settings_.System; }, [this] { return Interface(); },
                                   [this] { return KanaInputInUse(); },
                                   [this]() -> const std::array<QFont, 3>& { return fonts_; }},
                                  this);
  connect(systems_, &SystemController::systemChosen, this, [this](SystemId system) { settings_.System = system; });

  view_ = new ViewController({*this, *ui_.handView, ui_.viewPointOptions, *ui_.homeButton, *ui_.naturalHandsBox,
                              *ui_.playbackBar, *playbackMenu_, *viewMenu_, engine_, player_, *playbackControl_,
                              *inputHold_, document_, messages_, signs_}, this);
  connect(view_, &ViewController::leftHandedChanged, this, [this](bool left) { settings_.LeftHanded = left; });
  connect(view_, &ViewController::motionChanged, this, [this](MotionStyle motion) { settings_.Motion = motion; });
  connect(view_, &ViewController::appearanceChanged, this,
          [this](HandAppearance appearance) { settings_.Appearance = appearance; });

  wordLists_ = new WordListController({*this, places_, messages_, signs_, player_, *ui_.speedBox, *ui_.wordBox,
                                       *ui_.readingBox, *playbackControl_}, this);
  connect(wordLists_, &WordListController::hangulModeClicked, systems_, &SystemController::MethodClicked);
  connect(systems_, &SystemController::hangulModeChanged, wordLists_, &WordListController::SetHangulMode);

  practice_ = new PracticeController(
      {*this, {ui_.wordBox, ui_.readingBox, ui_.speedBox}, signs_, messages_, places_, captions_}, this);
  // The options chosen in the practice window are kept in the settings file.
  connect(practice_, &PracticeController::optionsChosen, this, [this](const PracticeOptions& options) {
    settings_.PracticeTypedAnswer = options.typedAnswer;
    settings_.PracticeAdaptSpeed = options.adaptSpeed;
    settings_.PracticeShortest = options.shortest;
    settings_.PracticeLongest = options.longest;
  });

  progress_ = new ProgressController(
      {*this, places_, captions_, [this] { return ProgressShown{settings_.System, Interface(), InterfaceFont()}; }}, this);
  connect(menus_.mnuProgress, &QAction::triggered, progress_, [this] { progress_->Open(*this); });

  export_ = new ExportController(
      {*this, player_, document_, signs_, *ui_.handView, messages_, [this]() -> FileDialog& { return FileWindow(); },
       places_.PicturesFolder}, this);
}

const QFont& MainWindow::InterfaceFont() const { return fonts_[InterfaceFontIndex(Interface())]; }

void MainWindow::ConnectControls() {
  // Input waits while a word plays, and is handled when it ends.
  connect(&player_, &TimedPlayer::started, inputHold_, &UserInputHold::Hold);
  connect(&player_, &TimedPlayer::finished, this, &MainWindow::WordEnded);
  // A late picture is passed over to keep the word's time, except into a recording.
  player_.ShowEveryStepWhile([this] { return recorder_.IsRecording(); });

  connect(ui_.startButton, &QPushButton::clicked, this, &MainWindow::StartWord);
  connect(ui_.readingBox, &QLineEdit::returnPressed, this, &MainWindow::StartWord);
  // During a composition Enter only commits; the capture keeps it from the box.
  connect(ui_.wordBox, &QLineEdit::returnPressed, this, &MainWindow::StartWord);
  connect(readingCapture_, &ReadingCapture::readingMissing, this, &MainWindow::ShowStatus);
  // Every change the user makes to the word box converts it: typed, pasted or
  // committed by an input method.
  connect(ui_.wordBox, &QLineEdit::textEdited, systems_, &SystemController::ConvertTypedWord);
  connect(ui_.speedBox, &QLineEdit::textChanged, this, [this](const QString& text) { settings_.SpeedText = text; });
  connect(ui_.numericBox, &QCheckBox::clicked, systems_, &SystemController::NumericClicked);
  connect(ui_.hangulModeButton, &QToolButton::clicked, systems_, &SystemController::MethodClicked);
  connect(ui_.systemLabel, &ClickableLabel::clicked, this, &MainWindow::FingerspellOption);
  connect(ui_.closeRecordingButton, &QPushButton::clicked, this, &MainWindow::CloseRecordingPanel);
  connect(ui_.captureButton, &QPushButton::clicked, pictures_, &PictureRecording::Capture);
  connect(ui_.recordButton, &QPushButton::clicked, pictures_, &PictureRecording::Record);
  new InputBoxBehaviour(*ui_.wordBox, *ui_.readingBox, *ui_.speedBox, this);
}

void MainWindow::ConnectMenus() {
  AddUndoActions(menus_, document_.UndoStack());
  connect(&document_, &AngleTableDocument::filePathChanged, this, &MainWindow::ShowTableFileInTitle);
  connect(&document_, &AngleTableDocument::cleanChanged, this, &MainWindow::ShowTableFileInTitle);

  connect(menus_.mnuOpen, &QAction::triggered, systems_, &SystemController::OpenAngleFile);
  connect(menus_.mnuExport, &QAction::triggered, this,
          [this] { export_->ExportWord(systems_->CurrentInputModes(), CurrentTexts()); });
  connect(menus_.mnuBmp, &QAction::triggered, pictures_, &PictureRecording::OpenBitmapMenu);
  connect(menus_.mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(menus_.mnuOption, &QAction::triggered, this, &MainWindow::FingerspellOption);
  connect(menus_.mnuLang, &QAction::triggered, this, &MainWindow::LanguageOption);
  connect(menus_.mnuKanaInput, &QAction::triggered, this, [this](bool japanese) {
    settings_.Kana = japanese ? KanaInput::Japanese : KanaInput::Romaji;
    // The input boxes and the word list follow at once.
    systems_->PositionInitializeRoutine(settings_.System);
  });
  connect(menus_.mnuFont, &QAction::triggered, this, &MainWindow::FontSelection);
  connect(menus_.mnuAbout, &QAction::triggered, this, [this] { AboutWindow().exec(); });
  // Help documents 0..3: English, Japanese, Korean, Indonesian, each in a new window.
  const std::array helps{menus_.mnuEnglishHelp, menus_.mnuJapaneseHelp, menus_.mnuKoreanHelp, menus_.mnuIndonesianHelp};
  for (int16_t i = 0; i < 4; ++i)
    connect(helps[i], &QAction::triggered, this, [this, i] { OpenHelpDocument(places_.DataFolder, i, messages_, this); });
  menus_.mnuEdit->setEnabled(true);
  connect(menus_.mnuEdit, &QAction::triggered, this, &MainWindow::OpenPoseEditor);
  connect(menus_.mnuList, &QAction::triggered, this, &MainWindow::EditWordList);
  connect(menus_.mnuQuiz, &QAction::triggered, this, &MainWindow::Practice);
}

void MainWindow::SetPracticeRunning(bool running) { playbackControl_->SetPracticeRunning(running); }

bool MainWindow::StartUp() {
  ui_.handView->InitOpenGL(messages_);
  // The fonts, the hands and the sign front end exist from construction on.
  // A first start has no settings file yet and starts quietly with the defaults.
  if (QFileInfo::exists(SettingsPath()) && !ReadSettings(SettingsPath(), settings_))
    messages_.ShowMessage(tr("Initial file could not be loaded"));
  view_->StartWithAppearance(settings_.Appearance);
  ui_.speedBox->setText(settings_.SpeedText);
  if (!FormSetting()) return false;
  // The view as it was left at the end of the last run.
  view_->RestoreView(settings_.ViewAzimuth, settings_.ViewElevation, settings_.ViewAngle);
  view_->SetLeftHanded(settings_.LeftHanded);
  view_->SetMotion(settings_.Motion);
  return true;
}

bool MainWindow::FormSetting() {
  systems_->ResetHangulMode();
  PaintBackground(*this, kBackgroundStyle, u'B');

  // The editing menus only in editing mode.
  for (QAction* editing : {menus_.mnuEdit, menus_.mnuBmp, menus_.EditMenus->menuAction()})
    editing->setVisible(settings_.EditableCode == kEditingCode);

  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObjectOf(settings_.Fonts[i]);

  if (!settings_.Interface) {
    settings_.Interface = FirstRunLanguage();
    if (!settings_.Interface) return false;
  }
  CaptionSetting();

  CloseRecordingPanel();
  view_->ResetView();
  systems_->PositionInitializeRoutine(settings_.System);
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
  systems_->PositionInitializeRoutine(settings_.System);
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

void MainWindow::CaptionSetting() {
  // Every tr() of the program and of Qt answers in the interface language from here;
  // the windows already open are told by a LanguageChange event.
  if (!translation_ || translation_->Language() != Interface()) {
    auto next = std::make_unique<InterfaceTranslation>(Interface());
    next->Install();
    translation_ = std::move(next);
    // Delivered now rather than from the event loop, so the windows have their new
    // texts (and sizes) before anything is laid out or placed beside them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  ApplyMainWindowFont(ui_, InterfaceFont());
  ui_.playbackBar->SetInterfaceFont(InterfaceFont());
  ApplyMainWindowCaptions(ui_, menus_, captions_, Interface());
  menus_.mnuKanaInput->setChecked(KanaInputInUse() == KanaInput::Japanese);
  // F1 opens the help in the interface language.
  const std::pair<QAction*, InterfaceLanguage> helps[] = {{menus_.mnuEnglishHelp, InterfaceLanguage::English},
                                                          {menus_.mnuJapaneseHelp, InterfaceLanguage::Japanese},
                                                          {menus_.mnuKoreanHelp, InterfaceLanguage::Korean},
                                                          {menus_.mnuIndonesianHelp, InterfaceLanguage::Indonesian}};
  for (const auto& [action, language] : helps)
    action->setShortcut(language == Interface() ? QKeySequence(QKeySequence::HelpContents) : QKeySequence());
  ui_.playbackBar->SetCaptions(captions_, Interface());
  view_->SetCaptions(captions_, Interface());
  dialogs_.Recaption(Interface(), InterfaceFont());
}

void MainWindow::FingerspellOption() {
  SystemChoiceDialog& window = OptionWindow();
  window.MarkSystem(settings_.System);
  window.exec();
  // Closing the window lays out the system in use again.
  systems_->ChooseSystem(window.SystemChoice().value_or(settings_.System));
}

void MainWindow::OpenPoseEditor() {
  if (document_.Table().HasLayout()) EditWindow().Open(ui_.systemLabel->text());
}

void MainWindow::EditWordList() {
  wordLists_->EditWordList({settings_.System, Interface(), KanaInputInUse(), systems_->HangulMode(), InterfaceFont(),
                            fonts_[EnglishFont], fonts_[KoreanFont]});
}

void MainWindow::Practice() {
  practice_->Practice({settings_.System, systems_->NumericMode(), Interface(), KanaInputInUse(), InterfaceFont(),
                       {settings_.PracticeTypedAnswer, settings_.PracticeAdaptSpeed, settings_.PracticeShortest,
                        settings_.PracticeLongest}});
  progress_->Follow(practice_->Window());
}

SystemChoiceDialog& MainWindow::OptionWindow() { return dialogs_.OptionWindow(Interface(), InterfaceFont()); }
LanguageDialog& MainWindow::LanguageWindow() { return dialogs_.LanguageWindow(); }
FontDialog& MainWindow::FontWindow() { return dialogs_.FontWindow(); }
AboutDialog& MainWindow::AboutWindow() { return dialogs_.AboutWindow(); }
FileDialog& MainWindow::FileWindow() { return dialogs_.FileWindow(); }

PoseEditor& MainWindow::EditWindow() {
  if (!poseEditor_) {
    poseEditor_ = new PoseEditor({document_, engine_, player_, [this] { return ui_.speedBox->text(); },
                                  [this]() -> FileDialog& { return FileWindow(); }},
                                 this);
  }
  return *poseEditor_;
}

void MainWindow::ShowTableFileInTitle() {
  const QString file = QFileInfo(document_.FilePath()).fileName();
  setWindowTitle(file.isEmpty() ? QStringLiteral("Tovaro")
                                : QStringLiteral("Tovaro — %1%2").arg(file, document_.IsClean() ? "" : "*"));
}

StartTexts MainWindow::CurrentTexts() const {
  return {ui_.wordBox->text(), ui_.readingBox->text(), ui_.speedBox->text()};
}

void MainWindow::StartWord() {
  // Input waits while a word plays, so a second Start comes only once it has ended.
  if (player_.IsPlaying()) return;
  const StartTexts texts = CurrentTexts();
  const InputModes modes = systems_->CurrentInputModes();
  const StartOutcome outcome = RunStartFlow(signs_, messages_, modes, texts);
  if (player_.IsPlaying()) playbackControl_->SetLetters(LettersOfLastWord(signs_, document_.Table()));
  // Nothing the alphabet passes over, and no romanized text that does not convert, goes
  // without a word; a word played says its pace.
  const QString status = StartStatus(modes, texts, outcome);
  const int signs = static_cast<int>(signs_.Sequence().size());
  ShowStatus(status.isEmpty() && player_.IsPlaying() ? PaceStatus(signs, player_.PictureCount()) : status);
}

void MainWindow::ShowStatus(const QString& text) { statusBar()->showMessage(text); }

void MainWindow::WordEnded() {
  inputHold_->Release();
  emit wordFinished();
}

void MainWindow::CloseRecordingPanel() {
  ui_.recordingPanel->hide();
  recorder_.Stop();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Edits never saved would be lost with the program.
  if (!systems_->SettleUnsavedTable()) {
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
  // A view left at its table's start is kept as no change, so the file stays as it was.
  const ViewState view = view_->ViewToKeep();
  settings_.ViewAzimuth = view.ViewAzimuth;
  settings_.ViewElevation = view.ViewElevation;
  settings_.ViewAngle = view.ViewAngle;
  // Said where the user sees it: the next start would otherwise come up with old settings
  // and no word why.
  if (!WriteSettings(SettingsPath(), settings_))
    messages_.ShowMessage(tr("The settings could not be written to %1").arg(SettingsPath()));
}
