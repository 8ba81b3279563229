#pragma once

#include <QObject>

class QLineEdit;

// How the main window's boxes behave under the mouse and the focus: a click in the word
// box empties it and the reading box for a new word; the reading and speed boxes select
// their whole text when they get the focus, so typing replaces it.
class InputBoxBehaviour : public QObject {
  Q_OBJECT

 public:
  InputBoxBehaviour(QLineEdit& wordBox, QLineEdit& readingBox, QLineEdit& speedBox, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& wordBox_;
  QLineEdit& readingBox_;
  QLineEdit& speedBox_;
};
