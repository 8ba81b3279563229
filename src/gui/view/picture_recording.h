#pragma once

#include "shell/interface_language.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

class FrameRecorder;
class HandView;
class MessageSink;
class PictureNameDialog;
class QGroupBox;
class QLineEdit;
class QWidget;
class SignClass;

// What the Bitmap menu and the recording panel do: recording on with the panel shown,
// a folder for single pictures, one picture of the drawing area (Capture), and a word
// played with every step saved (Rec). Folders are made only inside `userFolder`, the
// folder where the program keeps its user files.
class PictureRecording : public QObject {
  Q_OBJECT

 public:
  // What the recording works with: the main window's drawing area, panel and boxes,
  // the recorder on its engine, the sign front end that plays the word, and the
  // interface language of the moment (for the folder messages).
  struct Parts {
    QWidget* window = nullptr;
    HandView* handView = nullptr;
    QGroupBox* panel = nullptr;
    QLineEdit* readingBox = nullptr;  // the text Rec spells
    QLineEdit* speedBox = nullptr;
    FrameRecorder* recorder = nullptr;
    SignClass* signs = nullptr;
    MessageSink* messages = nullptr;
    std::function<InterfaceLanguage()> language;
  };
  PictureRecording(Parts parts, QString userFolder, QObject* parent = nullptr);

  // The Bitmap menu: recording on, the panel shown, then the capture folder asked for.
  void OpenBitmapMenu();
  // CmdCapture: asks for a file name (and first for a folder when none is chosen yet)
  // and saves the drawing area there as a bitmap.
  void Capture();
  // CmdRec: asks for a recording folder inside the capture folder and spells the
  // reading box into it.
  void Record();

  // Both end in "/"; empty until chosen.
  const QString& CaptureFolder() const { return captureFolder_; }
  QString RecordFolder() const;

  // The name windows, made on first use.
  PictureNameDialog& FolderNameWindow();
  PictureNameDialog& FileNameWindow();

 private:
  bool AskCaptureFolder();
  // Makes `path`, or with the user's OK reuses it when it is there already.
  bool MakeFolder(const QString& path);
  void SaveFailed();

  Parts parts_;
  const QString userFolder_;
  QString captureFolder_;
  QPointer<PictureNameDialog> folderNameWindow_;
  QPointer<PictureNameDialog> fileNameWindow_;
};
