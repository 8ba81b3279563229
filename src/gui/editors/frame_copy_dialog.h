#pragma once

#include "base/message_sink.h"

#include <QDialog>

class DropDownList;
class PlaybackEngine;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
struct SignTable;

// frmCopy: picks a key frame of any sign of the table and shows it on the hands in the
// main window's drawing area, for the pose editor to copy. exec() is Accepted for OK;
// CopySign() and CopyFrame() then name a key frame that was shown, and keep their
// values from one showing to the next. The window never changes the table.
class FrameCopyDialog : public QDialog {
  Q_OBJECT

 public:
  FrameCopyDialog(const SignTable& table, PlaybackEngine& engine, QWidget* parent = nullptr);

  int CopySign() const { return copySign_; }
  int CopyFrame() const { return copyFrame_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Retranslate();
  void FillSignList();
  void ChooseSign(int sign);
  void Preview();
  void ShowKeyFrame(int sign, int frame);

  const SignTable& table_;
  PlaybackEngine& engine_;
  std::unique_ptr<MessageSink> messages_;
  DropDownList* signList_;
  QLineEdit* frameNumberBox_;
  QLabel* frameCountLabel_;
  QPushButton* previewButton_;
  QLabel* frameLabel_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  bool listFilled_ = false;
  int copySign_ = 0;
  int copyFrame_ = 0;
};
