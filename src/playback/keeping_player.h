#pragma once

#include "playback/move_script.h"
#include "playback/script_player.h"

// Keeps the script of a word instead of playing it, for whoever plays it elsewhere
// (an export) or needs its length first.
class KeepingPlayer : public ScriptPlayer {
 public:
  void Play(const MoveScript& script) override { script_ = script; }
  const MoveScript& Script() const { return script_; }

 private:
  MoveScript script_;
};
