#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// exec() returns only when its modal window closes, so a test answers the window from
// the event loop: once a modal window of the given type is shown, `answer` runs on it.
// A window the answer left open (a failed check returns early) is closed afterwards, so
// a failing test never hangs. The window is looked for every 10 ms, for ten seconds at
// most; a window that never comes leaves the answer unrun, which the test then notices.
template <typename Window>
void AnswerNextModal(std::function<void(Window&)> answer, int attemptsLeft = 1000) {
  QTimer::singleShot(10, qApp, [answer = std::move(answer), attemptsLeft]() mutable {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window && window->isVisible()) {
      const QPointer<Window> guard(window);
      answer(*window);
      if (guard && guard->isVisible()) guard->close();
    } else if (attemptsLeft > 0) {
      AnswerNextModal<Window>(std::move(answer), attemptsLeft - 1);
    }
  });
}

// What a message box showed, and whether one was shown at all.
struct SeenMessageBox {
  bool Shown = false;
  QString Title;
  QString Text;
  QMessageBox::StandardButtons Buttons;
};

// Presses `press` on the next message box and keeps what it showed.
inline std::shared_ptr<SeenMessageBox> AnswerNextMessageBox(
    QMessageBox::StandardButton press = QMessageBox::Ok) {
  auto seen = std::make_shared<SeenMessageBox>();
  AnswerNextModal<QMessageBox>([seen, press](QMessageBox& box) {
    seen->Shown = true;
    seen->Title = box.windowTitle();
    seen->Text = box.text();
    seen->Buttons = box.standardButtons();
    if (QAbstractButton* button = box.button(press)) {
      button->click();
    } else {
      box.reject();
    }
  });
  return seen;
}
