#include "render/natural_framing.h"

namespace {
// Measured on the shipped alphabets: a one-handed letter is about 130 units tall and
// sits with its wrist a little below the look-at point of the described camera; two
// hands side by side need about 320 across.
constexpr float kOneHandZoom = 21.0f / 40.0f;
constexpr float kTwoHandZoom = 38.0f / 40.0f;
constexpr float kOneHandCentre = 18.0f;
constexpr float kTwoHandCentre = 38.0f;
}  // namespace

ViewState NaturalFraming(const ViewState& view, int handCount) {
  ViewState framed = view;
  const bool twoHands = handCount >= 2;
  framed.ViewAngle = view.ViewAngle * (twoHands ? kTwoHandZoom : kOneHandZoom);
  framed.LookAtPoint[2] = view.LookAtPoint[2] - 40.0f + (twoHands ? kTwoHandCentre : kOneHandCentre);
  return framed;
}
