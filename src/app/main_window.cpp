#include "app/main_window.h"

#include "app/app_state.h"
#include "app/font_window.h"
#include "app/input_layout.h"
#include "app/installed_fonts.h"
#include "app/language_window.h"
#include "app/main_window_captions.h"
#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "app/start_flow.h"
#include "app/system_choice_window.h"
#include "app/system_setup.h"
#include "convert/sign_class.h"
#include "render/hand_view.h"
#include "render/view_controls.h"
#include "signdata/angle_file.h"
#include "ui/about_window.h"
#include "ui/background_painter.h"
#include "ui/clickable_label.h"
#include "ui/file_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

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

frmSpace::frmSpace(AppState& state, QString appDirectory, QWidget* parent)
    : QMainWindow(parent),
      ui(BuildMainWindowControls(*new QWidget(this), state)),
      menus(BuildMainWindowMenus(*menuBar())),
      state_(state),
      appDirectory_(std::move(appDirectory)),
      boxes_(this),
      messages_(boxes_),
      engine_(state, *ui.picSpace),
      signs_(std::make_unique<SignClass>(engine_, messages_)),
      fontFamilies_(InstalledFontFamilies) {
  setObjectName(QStringLiteral("frmSpace"));
  setWindowTitle(QStringLiteral("Tovaro"));
  setCentralWidget(ui.picSpace->parentWidget());
  resize(kDefaultWidth, kDefaultHeight);
  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObject(state_.Fonts[i]);
  ConnectControls();
  ConnectMenus();
}

frmSpace::~frmSpace() = default;

QString frmSpace::SettingsPath() const { return appDirectory_ + kSettingsFileName; }

const QFont& frmSpace::InterfaceFont() const {
  return fonts_[InterfaceFontIndex(state_.InterfaceLanguage)];
}

void frmSpace::ConnectControls() {
  ui.picSpace->ViewChanged = [this] { RedrawView(); };
  connect(ui.picSpace, &HandView::mouseHoldEnded, this, &frmSpace::ClosePendingWindow);

  connect(ui.cmdInput, &QPushButton::clicked, this, &frmSpace::StartWord);
  connect(ui.FuriganaTxt, &QLineEdit::returnPressed, this, &frmSpace::StartWord);
  // Every change the user makes to the word box converts it: typed, pasted or
  // committed by an input method.
  connect(ui.InputArea, &QLineEdit::textEdited, this, &frmSpace::ConvertTypedWord);
  connect(ui.Text1, &QLineEdit::textChanged, this,
          [this](const QString& text) { state_.SpeedText = text; });
  connect(ui.CheckBoxNumeric, &QCheckBox::clicked, this, &frmSpace::NumericClicked);
  connect(ui.MethodBtn, &QToolButton::clicked, this, &frmSpace::MethodClicked);
  connect(ui.SignLabel, &ClickableLabel::clicked, this, &frmSpace::FingerspellOption);
  connect(ui.cmdHome, &QPushButton::clicked, this, &frmSpace::GoHome);
  connect(ui.cmdClose, &QPushButton::clicked, this, &frmSpace::CloseRecordingPanel);

  auto* viewPoints = new QButtonGroup(this);
  viewPoints->addButton(ui.Option1[0], 0);
  viewPoints->addButton(ui.Option1[1], 1);
  connect(viewPoints, &QButtonGroup::idClicked, this, &frmSpace::ChooseViewPoint);

  ui.InputArea->installEventFilter(this);
  ui.FuriganaTxt->installEventFilter(this);
  ui.Text1->installEventFilter(this);
}

void frmSpace::ConnectMenus() {
  connect(menus.mnuOpen, &QAction::triggered, this, &frmSpace::OpenAngleFile);
  connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(menus.mnuOption, &QAction::triggered, this, &frmSpace::FingerspellOption);
  connect(menus.mnuLang, &QAction::triggered, this, &frmSpace::LanguageOption);
  connect(menus.mnuFont, &QAction::triggered, this, &frmSpace::FontSelection);
  connect(menus.mnuAbout, &QAction::triggered, this, &frmSpace::ShowAbout);
}

bool frmSpace::StartUp() {
  ui.picSpace->InitOpenGL(messages_);
  // The fonts, the hands and the sign front end exist from construction on.
  if (!ReadSettings(SettingsPath(), state_))
    messages_.ShowMessage(QStringLiteral("Initial file could not be loaded"));
  // The interface has English and Japanese captions only; any other stored value
  // would leave every caption empty.
  if (state_.InterfaceLanguage != -1 && state_.InterfaceLanguage != 0 &&
      state_.InterfaceLanguage != 1)
    state_.InterfaceLanguage = 0;
  ui.Text1->setText(state_.SpeedText);
  return FormSetting();
}

bool frmSpace::FormSetting() {
  state_.HangulMode = false;
  ui.MethodBtn->setIcon(ui.PicA);
  PaintBackground(*this, kBackgroundStyle, u'B');

  const bool editing = state_.EditableCode == kEditingCode;
  menus.mnuEdit->setVisible(editing);
  menus.mnuBmp->setVisible(editing);

  for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = FontObject(state_.Fonts[i]);

  if (state_.InterfaceLanguage == -1) {
    state_.InterfaceLanguage = FirstRunLanguage();
    if (state_.InterfaceLanguage == -1) return false;
  }
  CaptionSetting();

  CloseRecordingPanel();
  state_.View.Reset();
  ui.Option1[0]->setChecked(true);
  PositionInitializeRoutine(state_.SystemIndex);
  // The first picture shows the rest pose of the loaded system rather than the
  // hand as it was built.
  engine_.SetHandPose(0, 0);
  return true;
}

int16_t frmSpace::FirstRunLanguage() {
  FrmLang& window = LanguageWindow();
  window.PrepareFirstRun(systemLocale_);
  window.exec();
  return window.LangChoice;
}

void frmSpace::LanguageOption() {
  FrmLang& window = LanguageWindow();
  window.PrepareLanguageOption(state_.InterfaceLanguage);
  window.exec();
  if (window.LangChoice == -1) return;
  state_.InterfaceLanguage = window.LangChoice;
  CaptionSetting();
  PositionInitializeRoutine(state_.SystemIndex);
}

void frmSpace::FontSelection() {
  frmFont& window = FontWindow();
  window.InitialSet();
  window.exec();
  // The set-up builds the font objects anew and puts them on every control; it cannot
  // end the program here, since the interface language is already chosen.
  if (window.FontChanged) FormSetting();
}

void frmSpace::ShowAbout() { AboutWindow().exec(); }

void frmSpace::CaptionSetting() {
  ApplyMainWindowFont(ui, InterfaceFont());
  ApplyMainWindowCaptions(ui, menus, captions_, state_.InterfaceLanguage);
  if (optionWindow_) {
    optionWindow_->SetInterfaceFont(InterfaceFont());
    optionWindow_->SetCaptions(captions_, state_.InterfaceLanguage);
  }
}

bool frmSpace::HangulMode() const { return state_.HangulMode; }

void frmSpace::HangulInputMethod() {
  state_.HangulMode = !state_.HangulMode;
  ui.MethodBtn->setIcon(state_.HangulMode ? ui.PicHan : ui.PicA);
}

void frmSpace::ApplyLayout(const InputLayout& layout) {
  ApplyInputLayout(ui, layout, captions_, state_.InterfaceLanguage, fonts_);
  state_.NumericMode = layout.NumericMode;
}

void frmSpace::AlphabetSetting() { ApplyLayout(AlphabetLayout()); }
void frmSpace::JSLSetting() { ApplyLayout(JslLayout(state_.InterfaceLanguage)); }
void frmSpace::KSLSetting() { ApplyLayout(KslLayout(state_.HangulMode)); }
void frmSpace::NumericON() { ApplyLayout(NumericLayout()); }

void frmSpace::PositionInitializeRoutine(int16_t system) {
  const SystemSetup setup = SetupOfSystem(system);
  switch (setup.Layout) {
    case SystemLayout::Alphabet:
      AlphabetSetting();
      if (setup.SignLabelCaption)
        ui.SignLabel->setText(captions_.Caption(*setup.SignLabelCaption, state_.InterfaceLanguage));
      break;
    case SystemLayout::Jsl:
      if (setup.NumeralBase) state_.NumeralBase = *setup.NumeralBase;
      JSLSetting();
      break;
    case SystemLayout::Ksl:
      if (setup.NumeralBase) state_.NumeralBase = *setup.NumeralBase;
      KSLSetting();
      break;
    case SystemLayout::None: break;
  }
  const QString path = setup.FileName.isEmpty() ? QString() : appDirectory_ + setup.FileName;
  if (setup.Table) {
    state_.ColumnCount = setup.Table->ColumnCount;
    state_.HandCount = setup.Table->HandCount;
  }

  signs_->LangSet(system);
  const std::optional<FileResult> loaded = LoadSystemTable(state_, path);
  if (loaded && !*loaded) {
    messages_.ShowMessage(LoadFailureMessage(path, *loaded));
    OpenAngleFile();
  }
}

void frmSpace::OpenAngleFile() {
  Obtain_FilePath2& dialog = FileDialog();
  dialog.OptionInitialize();
  dialog.LoadMode = true;
  dialog.Label->setText(QStringLiteral("File Load"));
  dialog.AddFajliloOptions(QStringLiteral("Angle Data"), QStringLiteral(".csv"));
  dialog.exec();
  if (!dialog.Decided) return;
  if (dialog.Extension != QStringLiteral(".csv")) return;
  const std::optional<FileResult> loaded = LoadSystemTable(state_, dialog.FullPath);
  if (loaded && !*loaded) messages_.ShowMessage(LoadFailureMessage(dialog.FullPath, *loaded));
}

void frmSpace::FingerspellOption() {
  frmOption& window = OptionWindow();
  if (state_.SystemIndex >= 0 && state_.SystemIndex < static_cast<int>(window.Option1.size()))
    window.Option1[state_.SystemIndex]->setChecked(true);
  window.exec();
  if (window.SystemChoice != -1) state_.SystemIndex = window.SystemChoice;

  signs_->LangSet(state_.SystemIndex);
  ui.InputArea->clear();
  ui.FuriganaTxt->clear();
  PositionInitializeRoutine(state_.SystemIndex);
  // The rest pose of the new table, shown at once rather than at the next repaint.
  if (engine_.SetHandPose(0, 0)) engine_.Redraw(0);
  FocusWordBox();
}

void frmSpace::FocusWordBox() {
  QLineEdit* box = ui.InputArea->isVisibleTo(this) ? ui.InputArea : ui.FuriganaTxt;
  box->setFocus(Qt::OtherFocusReason);
}

frmOption& frmSpace::OptionWindow() {
  if (!optionWindow_) {
    optionWindow_ = new frmOption(this);
    optionWindow_->SetInterfaceFont(InterfaceFont());
    optionWindow_->SetCaptions(captions_, state_.InterfaceLanguage);
  }
  return *optionWindow_;
}

FrmLang& frmSpace::LanguageWindow() {
  if (!languageWindow_) languageWindow_ = new FrmLang(this);
  return *languageWindow_;
}

frmFont& frmSpace::FontWindow() {
  if (!fontWindow_) fontWindow_ = new frmFont(state_, fontFamilies_, this);
  return *fontWindow_;
}

frmAbout& frmSpace::AboutWindow() {
  if (!aboutWindow_) aboutWindow_ = new frmAbout(this);
  return *aboutWindow_;
}

Obtain_FilePath2& frmSpace::FileDialog() {
  if (!fileDialog_) {
    fileDialog_ = new Obtain_FilePath2(this);
    fileDialog_->SetFolder(appDirectory_);
  }
  return *fileDialog_;
}

void frmSpace::StartWord() {
  // Input waits while a word plays; a second Start can only come from the view's
  // mouse hold, which lets input through between its passes.
  if (spelling_) return;
  spelling_ = true;
  RunStartFlow(*signs_, messages_, state_,
               {ui.InputArea->text(), ui.FuriganaTxt->text(), ui.Text1->text()});
  spelling_ = false;
  ClosePendingWindow();
}

void frmSpace::ConvertTypedWord() {
  const std::optional<QString> converted = LiveConversion(*signs_, state_, ui.InputArea->text());
  if (converted) ui.FuriganaTxt->setText(*converted);
}

void frmSpace::NumericClicked(bool checked) {
  if (checked) {
    NumericON();
    signs_->LangSet(6);
    ui.MethodBtn->hide();
  } else if (state_.SystemIndex == 4) {
    JSLSetting();
    signs_->LangSet(4);
  } else if (state_.SystemIndex == 5) {
    KSLSetting();
    signs_->LangSet(5);
    ui.MethodBtn->show();
  }
  ui.InputArea->clear();
  ui.FuriganaTxt->clear();
}

void frmSpace::MethodClicked() {
  HangulInputMethod();
  KSLSetting();
}

void frmSpace::ChooseViewPoint(int option) {
  SetViewPoint(state_.View, option);
  RedrawView();
}

void frmSpace::GoHome() {
  HomeView(state_.View);
  RedrawView();
}

void frmSpace::RedrawView() { engine_.Redraw(0); }

void frmSpace::CloseRecordingPanel() {
  ui.FrameRec->hide();
  state_.RecordMode = false;
}

bool frmSpace::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui.InputArea && event->type() == QEvent::MouseButtonPress) {
    ui.InputArea->clear();
    ui.FuriganaTxt->clear();
  } else if ((watched == ui.FuriganaTxt || watched == ui.Text1) &&
             event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed the cursor.
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmSpace::closeEvent(QCloseEvent* event) {
  // The window manager may ask while a word plays or the view turns; the window
  // closes as soon as that is over.
  if (spelling_ || ui.picSpace->MouseHeld) {
    closePending_ = true;
    event->ignore();
    return;
  }
  ShutDown();
  event->accept();
}

void frmSpace::ClosePendingWindow() {
  if (!closePending_ || spelling_ || ui.picSpace->MouseHeld) return;
  closePending_ = false;
  close();
}

void frmSpace::ShutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  state_.SpeedText = ui.Text1->text();
  // Said where the user sees it: the next start would otherwise come up with old settings
  // and no word why.
  if (!WriteSettings(SettingsPath(), state_))
    messages_.ShowMessage(QStringLiteral("The settings could not be written to %1").arg(SettingsPath()));
}
