#pragma once

#include "convert/sign_step.h"
#include "playback/lifelike_motion.h"
#include "playback/motion_style.h"

#include <cstdint>
#include <vector>

class FingerspellingSystem;
struct SignTable;

// The moves of a converted word in a motion style, with the move each sign begins
// with. A sign's moves are those its beginning of the word adds to the script: the
// choreographies carry state from sign to sign (a doubled letter's slide), so the
// beginnings are choreographed, not the signs one by one.
LetteredScript ChoreographWord(const FingerspellingSystem& system, const SignTable& table,
                               const SignSequence& signs, int16_t delay, MotionStyle motion);
