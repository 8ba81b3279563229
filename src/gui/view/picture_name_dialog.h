#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QLineEdit;
class QPushButton;

// The small window in which a folder name (objectName "Form4") or a picture's file
// name ("Form1") is typed before capture or recording. OK keeps the window open while
// the box is empty, and says "Invalid name" for a name that would leave the folder.
// exec() returns Accepted with the name in EnteredName().
class PictureNameDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Purpose { FolderName, FileName };
  explicit PictureNameDialog(Purpose purpose, QWidget* parent = nullptr);

  // Empties the box, as the caller does before every showing.
  void Clear();
  const QString& EnteredName() const { return enteredName_; }

  void accept() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The box's purpose and the buttons, in the interface language installed; the title
  // is the window's name and stays.
  void Retranslate();

  Purpose purpose_;
  QLineEdit* nameBox_ = nullptr;         // "Text1"
  QDialogButtonBox* buttons_ = nullptr;  // OK "Command1", Cancel "Command2"
  QString enteredName_;
};
