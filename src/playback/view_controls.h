#pragma once

#include "playback/view_state.h"

// What the view controls of the main window do to the camera. Each change is followed
// by one redraw of the current pose.

// "Home": the start-up angles and field of view.
void HomeView(ViewState& view);

// "View Point": 0 "Viewer", facing the signer; 1 "Signer", the signer's own view.
// Only the azimuth changes.
void SetViewPoint(ViewState& view, int option);

enum class HeldButton { Left, Right, Other };

// One pass of a mouse button held on the drawing area at (x, y) of an area of
// width × height: the left and right thirds turn the camera around the hands, the top
// and bottom thirds tilt it (a corner does both), and the middle ninth zooms. The
// right button turns, tilts and zooms the other way. The elevation stays within
// -90..90 and the field of view within 0..180.
void MouseHoldPass(ViewState& view, HeldButton button, double x, double y, double width,
                   double height);
