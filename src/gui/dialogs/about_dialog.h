#pragma once

#include <QDialog>

class QLabel;

// The product name and the version it was built as, closed by its one button.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // The version of this build, "Version 0.1.0".
  static QString VersionCaption();

 private:
  // "ProductName" and "VersionText"; the button is "cmdOK".
  QLabel* productName_ = nullptr;
  QLabel* versionText_ = nullptr;
};
