#pragma once

#include "playback/view_state.h"

// What the view controls of the main window do to the camera. Each change is followed
// by one redraw of the current pose.

// The camera a table of `handCount` hands is first seen from, and "Home" turns back
// to. One hand is seen as a learner watching the signer sees it: a little above and
// to the side of the dominant hand, so that curled fingers stand off the palm and the
// fist letters show their depth. Two hands stay straight in front (ViewState's own
// start), where their letters meet between them.
ViewState StartView(int handCount);

// "Home": the start-up angles and field of view of `handCount` hands.
void HomeView(ViewState& view, int handCount);

// Whether the view's angles and field of view are still the start's of `handCount`.
bool AtStartView(const ViewState& view, int handCount);

// What the settings keep of `view` and what they give back: a view still at its
// table's start is kept as ViewState's own start-up angles, which the settings file
// leaves out, so a file holds a View line only when the user turned or zoomed the
// view; those angles read back as the start of `handCount` hands.
ViewState ViewToKeep(const ViewState& view, int handCount);
ViewState KeptViewRestored(const ViewState& kept, int handCount);

// "View Point": 0 "Viewer", the start's direction for `handCount` hands; 1 "Signer",
// the signer's own view. Only the azimuth changes.
void SetViewPoint(ViewState& view, int option, int handCount);

// The view presets: facing the signer, over the signer's shoulder, from the signer's
// left and right, and from above. Only the azimuth and elevation change.
enum class ViewPreset { Front, SignersEye, LeftSide, RightSide, Above };
void ApplyViewPreset(ViewState& view, ViewPreset preset);

// The mouse wheel over the drawing area: each notch forward (positive) zooms in by
// narrowing the field of view half a degree, each notch back zooms out. Every zoom keeps
// the field of view within 20..100, where the hands neither fill nor vanish from the
// picture.
void WheelZoom(ViewState& view, double notches);

enum class HeldButton { Left, Right, Other };

// One pass of a mouse button held on the drawing area at (x, y) of an area of
// width × height: the left and right thirds turn the camera around the hands, the top
// and bottom thirds tilt it (a corner does both), 5 degrees a pass, and the middle
// ninth zooms, half a degree a pass. The right button turns, tilts and zooms the other
// way. The elevation stays within -90..90.
void MouseHoldPass(ViewState& view, HeldButton button, double x, double y, double width,
                   double height);
