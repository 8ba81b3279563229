#pragma once

#include "playback/move_script.h"

#include <QString>

#include <optional>

// Why a played text drew no animation step, for the commands that would otherwise
// report an empty result as success: "the speed leaves no step to draw" when the
// script moves but the speed rounds every move to no step, "nothing in the text can be
// spelled" when it holds no move at all; nullopt when it draws.
std::optional<QString> NothingDrawnReason(const MoveScript& script);
