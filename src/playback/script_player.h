#pragma once

#include "playback/move_script.h"

class PlaybackEngine;

// What plays a spelled word. A new word starts the frame counter again at 0.
class ScriptPlayer {
 public:
  virtual ~ScriptPlayer() = default;
  virtual void Play(const MoveScript& script) = 0;
};

// Plays a word to its end before returning, every picture at once: the command-line
// tool, the offscreen renderer and the tests.
class ImmediatePlayer : public ScriptPlayer {
 public:
  explicit ImmediatePlayer(PlaybackEngine& engine) : engine_(engine) {}
  void Play(const MoveScript& script) override;

 private:
  PlaybackEngine& engine_;
};

// Sets the poses and draws the pictures of `script` in order.
void RunScript(PlaybackEngine& engine, const MoveScript& script);
