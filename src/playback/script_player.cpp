#include "playback/script_player.h"

#include "playback/playback_engine.h"

void ImmediatePlayer::Play(const MoveScript& script) {
  engine_.SetFrameCounter(0);
  RunScript(engine_, script);
}

void RunScript(PlaybackEngine& engine, const MoveScript& script) {
  for (const Move& move : script) {
    if (move.kind == Move::Kind::Redraw)
      engine.Redraw(move.steps, move.pace);
    else
      engine.Apply(move);
  }
}
