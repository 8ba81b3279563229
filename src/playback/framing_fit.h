#pragma once

#include "hand/hand_appearance.h"
#include "playback/box.h"
#include "playback/view_state.h"

#include <optional>

// The camera that keeps all of `bounds` in a picture of width / height `aspect`, with
// a small margin: the same azimuth, elevation and mirroring as `view` (the direction
// the user chose to look from), looking at the middle of the box with the field of
// view that just takes it in. The user's zoom stays on top of the fit: the fitted
// field of view is scaled by view.ViewAngle / 40, so "Home" (40) is the fit itself and
// 20 shows the hands twice as large. An empty box leaves the view as it is.
ViewState FitFraming(const ViewState& view, const Box& bounds, float aspect);

// Whether every corner of `bounds` falls inside the picture of width × height that
// `view` draws.
bool BoxInView(const ViewState& view, const Box& bounds, int width, int height);

// The camera a drawing area draws a picture of width × height from, its derived
// values set: fitted to `framing` when the area has one, otherwise the view itself
// for the Classic hands and NaturalFraming for the Natural ones.
ViewState FramedView(const ViewState& view, const std::optional<Box>& framing,
                     HandAppearance appearance, int handCount, int width, int height);
