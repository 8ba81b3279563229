#include "playback/natural_framing.h"

namespace {
// Measured on the shipped alphabets: a one-handed letter reaches from its wrist, about
// 25 below the described camera's look-at point, some 130 up, and the horizontal
// letters about as far sideways. Two-handed letters open and close around their
// contact, the moving hand set well off to one side, so two hands take a little more
// room than the described camera gives.
constexpr float kOneHandZoom = 24.0f / 40.0f;
constexpr float kTwoHandZoom = 48.0f / 40.0f;
constexpr float kOneHandCentre = 24.0f;
constexpr float kTwoHandCentre = 38.0f;
}  // namespace

ViewState NaturalFraming(const ViewState& view, int handCount) {
  ViewState framed = view;
  const bool twoHands = handCount >= 2;
  framed.ViewAngle = view.ViewAngle * (twoHands ? kTwoHandZoom : kOneHandZoom);
  framed.LookAtPoint[2] = view.LookAtPoint[2] - 40.0f + (twoHands ? kTwoHandCentre : kOneHandCentre);
  return framed;
}
