#include "gui/main_window/system_controller.h"

#include "base/message_sink.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/editors/angle_table_saving.h"
#include "gui/input/input_method_control.h"
#include "gui/input/reading_capture.h"
#include "gui/main_window/clickable_label.h"
#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/main_window_layout.h"
#include "gui/view/playback_bar.h"
#include "convert/sign_class.h"
#include "playback/playback_engine.h"
#include "shell/angle_table_document.h"
#include "shell/caption_table.h"
#include "shell/input_layout.h"
#include "shell/program_places.h"

#include <QLineEdit>
#include <QToolButton>

SystemController::SystemController(SystemControllerContext context, QObject* parent)
    : QObject(parent), context_(std::move(context)), ui_(context_.ui) {
  connect(ui_.readingBox, &QLineEdit::textEdited, this, &SystemController::ReadingBoxEdited);
}

InputModes SystemController::CurrentInputModes() const {
  return {context_.system(), numericMode_, context_.kanaInput(), hangulMode_};
}

void SystemController::ResetHangulMode() {
  hangulMode_ = false;
  ui_.hangulModeButton->setIcon(ui_.latinPicture);
}

void SystemController::HangulInputMethod() {
  hangulMode_ = !hangulMode_;
  ui_.hangulModeButton->setIcon(hangulMode_ ? ui_.hangulPicture : ui_.latinPicture);
}

void SystemController::MethodClicked() {
  HangulInputMethod();
  KSLSetting();
  emit hangulModeChanged(hangulMode_);
}

void SystemController::ApplyLayout(const InputLayout& layout) {
  ApplyInputLayout(ui_, layout, context_.captions, context_.interface(), context_.fonts());
  numericMode_ = layout.NumericMode;
  // Readings are taken from the word box only where the reading is spelled: JSL typed
  // in Japanese (JSLSetting).
  context_.readingCapture.SetActive(false);
}

void SystemController::AlphabetSetting() { ApplyLayout(AlphabetLayout()); }

void SystemController::JSLSetting() {
  const bool japanese = context_.kanaInput() == KanaInput::Japanese;
  ApplyLayout(JslLayout(context_.kanaInput()));
  context_.readingCapture.SetActive(japanese);
  if (japanese) {
    context_.readingCapture.SetReadingMode(ReadingCapture::Mode::UpperCase);
    OpenInputMethod(*ui_.wordBox, 1, 0, 0);  // roman input, full width, hiragana
  } else {
    SetInputMethodOpen(*ui_.wordBox, false);
  }
}

void SystemController::KSLSetting() { ApplyLayout(KslLayout(hangulMode_)); }
void SystemController::NumericON() { ApplyLayout(NumericLayout()); }

bool SystemController::PositionInitializeRoutine(SystemId system) { return LoadSystem(system, false); }

bool SystemController::LoadSystem(SystemId system, bool replaceEdits) {
  const SystemSetup setup = LayOutSystem(system);
  const QString path = setup.FileName.isEmpty() ? QString() : context_.places.DataFile(setup.FileName);
  context_.signs.LangSet(system);
  AngleTableDocument& document = context_.document;
  // A new interface language or font lays the system out again; the table being edited
  // stays, since reading its file anew would lose what the user has not saved.
  if (!replaceEdits && !document.IsClean() && setup.TableHands && document.Table().HandCount == *setup.TableHands)
    return true;
  if (setup.TableHands) document.SetLayout(*setup.TableHands);

  const std::optional<FileResult> loaded = document.Load(path);
  if (loaded && !*loaded) {
    context_.messages.ShowMessage(LoadFailureMessage(path, *loaded));
    return OpenAngleFile();
  }
  return true;
}

SystemSetup SystemController::LayOutSystem(SystemId system) {
  const SystemSetup setup = SetupOfSystem(system);
  switch (setup.Layout) {
    case SystemLayout::Alphabet:
      AlphabetSetting();
      if (setup.SignLabelCaption)
        ui_.systemLabel->setText(context_.captions.Caption(*setup.SignLabelCaption, context_.interface()));
      break;
    case SystemLayout::Jsl:
      if (setup.NumeralBase) context_.signs.SetNumeralBase(*setup.NumeralBase);
      JSLSetting();
      break;
    case SystemLayout::Ksl:
      if (setup.NumeralBase) context_.signs.SetNumeralBase(*setup.NumeralBase);
      KSLSetting();
      break;
    case SystemLayout::None: break;
  }
  return setup;
}

bool SystemController::SettleUnsavedTable() {
  return ::SettleUnsavedTable(&context_.owner, context_.document, context_.fileDialog());
}

bool SystemController::OpenAngleFile() {
  FileDialog& dialog = context_.fileDialog();
  dialog.OptionInitialize();
  dialog.SetLoadMode(true);
  dialog.SetTitle(tr("File Load"));
  dialog.AddFajliloOptions(tr("Angle Data"), QStringLiteral(".csv"));
  dialog.exec();
  if (!dialog.Decided()) return false;
  if (dialog.Extension() != QStringLiteral(".csv")) return false;
  const QString path = dialog.FullPath();
  if (!SettleUnsavedTable()) return false;
  const std::optional<FileResult> loaded = context_.document.Load(path);
  if (loaded && !*loaded) {
    context_.messages.ShowMessage(LoadFailureMessage(path, *loaded));
    return false;
  }
  return true;
}

void SystemController::ChooseSystem(SystemId system) {
  const SystemId previousSystem = context_.system();
  // Another system reads another table: changes not saved are settled first, and
  // Cancel leaves everything as it was. The same system keeps the table being edited.
  const bool another = system != previousSystem;
  if (another && !SettleUnsavedTable()) {
    FocusWordBox();
    return;
  }
  const SignTable previousTable = context_.document.Table();
  const QString previousPath = context_.document.FilePath();
  emit systemChosen(system);
  context_.signs.LangSet(system);
  ui_.wordBox->clear();
  ui_.readingBox->clear();
  ui_.playbackBar->ClearLetters();
  if (!LoadSystem(system, another) && another) {
    // No table for the new system: the one that was showing stays, and the boxes, the
    // label and the choice say so.
    context_.document.Restore(previousTable, previousPath);
    emit systemChosen(previousSystem);
    LayOutSystem(previousSystem);
    context_.signs.LangSet(previousSystem);
  }
  // The rest pose of the new table, shown at once rather than at the next repaint.
  if (context_.engine.SetHandPose(0, 0)) context_.engine.DrawHands();
  FocusWordBox();
}

void SystemController::FocusWordBox() {
  QLineEdit* box = ui_.wordBox->isVisibleTo(&context_.owner) ? ui_.wordBox : ui_.readingBox;
  box->setFocus(Qt::OtherFocusReason);
}

void SystemController::ConvertTypedWord() {
  const std::optional<QString> converted =
      LiveConversion(context_.signs, CurrentInputModes(), ui_.wordBox->text());
  if (converted) ui_.readingBox->setText(*converted);
}

void SystemController::ReadingBoxEdited() {
  // The romanization no longer says what the edited box holds, and Start spells what
  // is shown: the box below, once the word box is empty.
  if (ChooseStartInput(CurrentInputModes()) != StartInput::ReadingBox) ui_.wordBox->clear();
}

void SystemController::NumericClicked(bool checked) {
  const SystemId system = context_.system();
  if (checked) {
    NumericON();
    context_.signs.LangSet(SystemId::Numerals);
    ui_.hangulModeButton->hide();
  } else if (system == SystemId::JapaneseKana) {
    JSLSetting();
    context_.signs.LangSet(SystemId::JapaneseKana);
  } else if (system == SystemId::KoreanHangul) {
    KSLSetting();
    context_.signs.LangSet(SystemId::KoreanHangul);
    ui_.hangulModeButton->show();
  }
  ui_.wordBox->clear();
  ui_.readingBox->clear();
}
