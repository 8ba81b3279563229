#pragma once

#include <QObject>

class QLineEdit;

// Keeps a box's text from screen readers while the box is hidden: the practice hides
// the word and reading boxes because they hold the answer, and a hidden box is still
// in the accessibility tree. The text itself stays; it is only not read out.
class HiddenTextGuard : public QObject {
  Q_OBJECT

 public:
  // Guards `box` for as long as the box lives; the box owns the guard.
  explicit HiddenTextGuard(QLineEdit& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();

  QLineEdit& box_;
};
