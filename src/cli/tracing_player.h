#pragma once

#include "playback/script_player.h"

#include <ostream>

// Plays a word at once, as the command-line tool does, after writing every move of it
// as one line (see MoveText).
class TracingPlayer : public ScriptPlayer {
 public:
  TracingPlayer(PlaybackEngine& engine, std::ostream& out) : player_(engine), out_(out) {}
  void Play(const MoveScript& script) override;

  // Every move played so far, in order.
  const MoveScript& Played() const { return played_; }

 private:
  MoveScript played_;
  ImmediatePlayer player_;
  std::ostream& out_;
};
