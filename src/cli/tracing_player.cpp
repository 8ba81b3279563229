#include "cli/tracing_player.h"

void TracingPlayer::Play(const MoveScript& script) {
  for (const Move& move : script) out_ << MoveText(move) << '\n';
  played_.insert(played_.end(), script.begin(), script.end());
  player_.Play(script);
}
