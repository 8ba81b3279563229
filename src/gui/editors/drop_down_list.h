#pragma once

#include <QComboBox>

// A drop-down list that tells its owner just before its list opens, so the owner can
// ask a question first; the list opens whatever the answer.
class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(QWidget* parent = nullptr) : QComboBox(parent) {}

  void showPopup() override;

 signals:
  void aboutToOpen();
};
