#pragma once

#include "playback/view_state.h"

// The camera of the Natural hands: the same turn and tilt as `view`, closer in, so
// that a one-handed letter fills about half the picture's height and both hands of
// a two-handed letter still fit. The field of view scales with the view's own, so
// zooming with the mouse works as before and "Home" (40 degrees) comes back here.
ViewState NaturalFraming(const ViewState& view, int handCount);
