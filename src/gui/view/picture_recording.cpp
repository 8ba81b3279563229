#include "gui/view/picture_recording.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "gui/view/hand_view.h"
#include "gui/dialogs/message_box_sink.h"
#include "gui/view/picture_name_dialog.h"
#include "playback/frame_recorder.h"
#include "shell/picture_folders.h"
#include "shell/start_flow.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

PictureRecording::PictureRecording(Parts parts, QString userFolder, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), userFolder_(std::move(userFolder)) {
  // The message waits until the step that failed has been drawn.
  parts_.recorder->SetFailureHandler([this](const QString&) {
    QTimer::singleShot(0, this, &PictureRecording::SaveFailed);
  });
}

QString PictureRecording::RecordFolder() const { return parts_.recorder->Folder(); }

PictureNameDialog& PictureRecording::FolderNameWindow() {
  if (!folderNameWindow_)
    folderNameWindow_ = new PictureNameDialog(PictureNameDialog::Purpose::FolderName, parts_.window);
  return *folderNameWindow_;
}

PictureNameDialog& PictureRecording::FileNameWindow() {
  if (!fileNameWindow_)
    fileNameWindow_ = new PictureNameDialog(PictureNameDialog::Purpose::FileName, parts_.window);
  return *fileNameWindow_;
}

void PictureRecording::OpenBitmapMenu() {
  // Recording goes on into the folder chosen last, if any; the panel stays even when
  // no folder is chosen now.
  parts_.recorder->Start(parts_.recorder->Folder());
  parts_.panel->show();
  AskCaptureFolder();
}

bool PictureRecording::AskCaptureFolder() {
  PictureNameDialog& window = FolderNameWindow();
  window.Clear();
  if (window.exec() != QDialog::Accepted) return false;
  const QString folder = ChildFolder(userFolder_, window.EnteredName());
  // A folder the user declined to reuse is not written into later.
  if (!MakeFolder(folder)) return false;
  captureFolder_ = folder;
  return true;
}

void PictureRecording::Capture() {
  if (captureFolder_.isEmpty() && !AskCaptureFolder()) return;
  PictureNameDialog& window = FileNameWindow();
  window.Clear();
  if (window.exec() != QDialog::Accepted) return;
  // The area is drawn afresh with the current pose as it is saved.
  if (!parts_.handView->SaveFrame(CapturePicturePath(captureFolder_, window.EnteredName())))
    parts_.messages->ShowMessage(PictureNotSavedMessage(parts_.handView->LastSaveError()));
}

void PictureRecording::Record() {
  PictureNameDialog& window = FolderNameWindow();
  window.Clear();
  if (window.exec() != QDialog::Accepted) return;
  // Without a capture folder the recording folder stands in the user folder itself.
  const QString parent = captureFolder_.isEmpty() ? userFolder_ : captureFolder_;
  const QString folder = ChildFolder(parent, window.EnteredName());
  if (!MakeFolder(folder)) return;
  parts_.recorder->Start(folder);
  // The reading box is spelled as it is, whatever the system: Rec does not choose the
  // box the way Start does. A rejected text records nothing, rather than the word
  // spelled before it.
  const bool converted = parts_.signs->Text(parts_.readingBox->text());
  const std::optional<int16_t> speed = SpeedFromText(parts_.speedBox->text());
  if (!speed) {
    parts_.messages->ShowMessage(kInvalidSpeedMessage);
    return;
  }
  if (!converted) {
    const QString& said = parts_.signs->Message();
    parts_.messages->ShowMessage(said.isEmpty() ? kUnsupportedTextMessage : said);
    return;
  }
  parts_.signs->StartRoutine(*speed);
}

bool PictureRecording::MakeFolder(const QString& path) {
  const FolderAttempt attempt = CreateFolder(path);
  const InterfaceLanguage language = parts_.language ? parts_.language() : InterfaceLanguage::English;
  switch (attempt.outcome) {
    case FolderAttempt::Outcome::Created: return true;
    case FolderAttempt::Outcome::AlreadyExists:
      return QMessageBox::question(parts_.window, MessageBoxSink::kTitle, FolderExistsQuestion(language),
                                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
    case FolderAttempt::Outcome::Failed:
      parts_.messages->ShowMessage(FolderFailedMessage(language, attempt.reason));
      return false;
  }
  return false;
}

void PictureRecording::SaveFailed() {
  parts_.messages->ShowMessage(PictureNotSavedMessage(parts_.handView->LastSaveError()));
}
