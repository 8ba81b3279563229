#pragma once

#include <QDialog>

class QDialogButtonBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name of a new sign: at most 10 characters, no comma, double quote or
// line break (the angle data file could not carry them), "*" unless the user types
// another. exec() is Accepted when the user chose OK; Name() then holds the name.
class SignNameDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SignNameDialog(QWidget* parent = nullptr);

  // Starts again from "*" with the whole text selected.
  void Reset();
  QString Name() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLineEdit* nameBox_;
  QDialogButtonBox* buttons_;
  QLabel* label_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};
