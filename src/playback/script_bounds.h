#pragma once

#include "hand/hand.h"
#include "hand/hand_appearance.h"
#include "playback/box.h"
#include "playback/move_script.h"

#include <span>

struct SignTable;

// Where the shown hands reach in one pose: every corner of the hands as they are
// drawn (so every joint, fingertip and landmark of the palm with the thickness of the
// hand around it), with a little room for the rounder Natural hands, and for those
// the part of their forearms that has not yet faded out.
Box HandsBounds(std::span<const Hand> shown, HandAppearance appearance = HandAppearance::Classic);

// Where the hands reach over every picture `script` draws on `table`: the script is
// played on an engine of its own, so whatever moves it holds are covered and no
// picture is drawn. The hands start in the pose of `start` (the hands a live engine
// shows now) or, without it, in the pose a new engine starts in. Empty when the
// script draws nothing.
Box ScriptBounds(const SignTable& table, const MoveScript& script,
                 HandAppearance appearance = HandAppearance::Classic, std::span<const Hand> start = {});
