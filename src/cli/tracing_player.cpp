#include "cli/tracing_player.h"

void TracingPlayer::Play(const MoveScript& script) {
  for (const Move& move : script) out_ << MoveText(move) << '\n';
  player_.Play(script);
}
