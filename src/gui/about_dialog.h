#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The product name and the version it was built as, closed by its one button.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QLabel* ProductName = nullptr;
  QLabel* VersionText = nullptr;
  QPushButton* cmdOK = nullptr;

  // The version of this build, "Version 0.1.0".
  static QString VersionCaption();
};
