#pragma once

#include <QDialog>

class QEvent;
class QLabel;
class QPushButton;

// The product name and the version it was built as, closed by its one button.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // The version of this build, "Version 0.1.0" in English.
  static QString VersionCaption();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  // "ProductName" and "VersionText"; the button is "cmdOK".
  QLabel* productName_ = nullptr;
  QLabel* versionText_ = nullptr;
  QPushButton* ok_ = nullptr;
};
