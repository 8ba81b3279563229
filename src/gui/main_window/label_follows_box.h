#pragma once

#include <QObject>

class QEvent;
class QLabel;
class QWidget;

// Shows a box's caption only while the box itself is shown, whoever hides it (a system
// without that box, the numerals, a practice hiding the answer), so no caption is left
// over an empty space. Owned by the label.
class LabelFollowsBox : public QObject {
  Q_OBJECT

 public:
  LabelFollowsBox(QLabel& label, QWidget& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel& label_;
};
