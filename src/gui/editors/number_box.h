#pragma once

#include <QLineEdit>

// A text box for one number that also spins: the Up and Down arrow keys and the mouse
// wheel change its value by 1, by 10 with Shift held. Whatever the user types stays
// text; the owner reads it leniently. Receiving the focus selects the whole text.
class NumberBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberBox(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void Step(int direction, Qt::KeyboardModifiers modifiers);
};
