#pragma once

#include <QObject>

// Where a player's steps come from: while running it emits step(due) each time the next
// picture is due, `due` saying how many steps have come due since the last (more than
// one when the machine fell behind by a whole step or more). The desktop program's steps
// come from the clock (`StepTimer`); a test gives a source it advances by hand, so a
// word plays the same whatever the machine's load.
class StepSource : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsRunning() const = 0;

 signals:
  void step(int due);
};
