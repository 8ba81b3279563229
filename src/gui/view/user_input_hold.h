#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

// Holds back the keyboard and mouse input of the program's windows while a word plays,
// and hands it on, in the order it came, when the word ends: the user can type ahead
// and nothing is lost, but nothing acts in the middle of a word. Window-system events
// (painting, resizing, closing) go through as usual.
class UserInputHold : public QObject {
  Q_OBJECT

 public:
  explicit UserInputHold(QObject* parent = nullptr);
  ~UserInputHold() override;

  // Starts holding input back; input held already stays held.
  void Hold();
  // Stops holding and delivers what was held.
  void Release();
  bool IsHolding() const { return holding_; }

  // What becomes of an event while input is held: held for later, let through at once
  // (the controls of the word playing), or taken by the passage itself.
  enum class Passage { Hold, Pass, Taken };
  using PassageRule = std::function<Passage(QObject* watched, QEvent* event)>;
  // Asked for every user input event addressed to a widget while input is held.
  void SetPassageRule(PassageRule rule) { rule_ = std::move(rule); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
  PassageRule rule_;
  bool holding_ = false;
};

// Keyboard, mouse, wheel, touch and input-method events: what a user does.
bool IsUserInput(const QEvent& event);
