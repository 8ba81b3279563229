#pragma once

#include "playback/step_source.h"

#include <memory>

// Steps a test takes by hand, so what a player shows depends on the steps taken and
// not on how busy the machine is. Like the step timer, it steps only while running.
class ManualStepSource : public StepSource {
 public:
  void Start() override { running_ = true; }
  void Stop() override { running_ = false; }
  bool IsRunning() const override { return running_; }

  // Takes `steps` steps on time, fewer when a listener stops the source; returns how
  // many.
  int Advance(int steps = 1) {
    int taken = 0;
    for (; taken < steps && running_; ++taken) emit step(1);
    return taken;
  }

  // One step late enough that `due` steps have come due with it, as the clock says
  // when a picture took too long; false when the source is not running.
  bool AdvanceLate(int due) {
    if (!running_) return false;
    emit step(due);
    return true;
  }

 private:
  bool running_ = false;
};

// Gives `player` (a TimedPlayer, or the main window for its own) a manual step source,
// which it keeps; returns the source to step it.
template <typename Player>
ManualStepSource& UseManualSteps(Player& player) {
  auto steps = std::make_unique<ManualStepSource>();
  ManualStepSource& taken = *steps;
  player.UseStepSource(std::move(steps));
  return taken;
}
