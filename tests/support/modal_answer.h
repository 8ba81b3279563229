#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>

// exec() returns only when its modal window closes, so a test answers modal windows from
// the event loop: every 10 ms a watch looks at the active modal window and, when it is
// a visible `Window`, runs `answer` on it. A window the answer left open (a failed check
// returns early) is closed afterwards, so a failing test never hangs. The watch ends
// once `answer` returns true, after `checks` looks (a window that never comes leaves the
// answer unrun, which the test then notices), or when the returned timer is deleted.
// Every way of answering below is a watch.
template <typename Window>
QPointer<QTimer> WatchModals(std::function<bool(Window&)> answer, int checks) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer), checks]() mutable {
    bool done = --checks <= 0;
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window && window->isVisible()) {
      const QPointer<Window> guard(window);
      done = answer(*window) || done;
      if (guard && guard->isVisible()) guard->close();
    }
    if (done) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start();
  return poll;
}

// Once a modal window of the given type is shown, `answer` runs on it; the window is
// looked for for ten seconds of the event loop at most.
template <typename Window>
void AnswerNextModal(std::function<void(Window&)> answer) {
  WatchModals<Window>(
      [answer = std::move(answer)](Window& window) {
        answer(window);
        return true;
      },
      1000);
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

// Runs `action`, pressing `press` on every message box it shows (Escape where a box has
// no such button), and returns their texts; a box that offers more than OK adds
// "<not OK alone>" when `markChoices`. A message told later from the event loop is
// waited for, ten seconds at most, until `awaited` have come. Nothing is left waiting
// for a box once the action is over.
inline QStringList AnswerEveryMessageBox(QMessageBox::StandardButton press, bool markChoices,
                                         const std::function<void()>& action, int awaited) {
  QStringList texts;
  const QPointer<QTimer> watch = WatchModals<QMessageBox>(
      [&texts, press, markChoices](QMessageBox& box) {
        texts << box.text();
        if (markChoices && box.standardButtons() != QMessageBox::Ok) texts << QStringLiteral("<not OK alone>");
        QAbstractButton* button = box.button(press);
        button ? button->click() : box.reject();
        return false;
      },
      std::numeric_limits<int>::max());
  action();
  if (texts.size() < awaited) (void)QTest::qWaitFor([&] { return texts.size() >= awaited; }, 10000);
  delete watch.data();
  return texts;
}

// The messages `action` shows, each answered with OK, as above.
inline QStringList MessagesDuring(const std::function<void()>& action, int awaited = 0) {
  return AnswerEveryMessageBox(QMessageBox::Ok, true, action, awaited);
}

// The questions `action` asks, each answered with `press`, for those with more answers
// than OK.
inline QStringList AnswersDuring(QMessageBox::StandardButton press, const std::function<void()>& action) {
  return AnswerEveryMessageBox(press, false, action, 0);
}
