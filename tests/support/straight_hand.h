#pragma once

#include "hand/hand.h"

#include <memory>

// A hand with every joint straight (a new hand holds them at 20): the fingers point up
// from the knuckles at z = 50, side by side, the thumb along the index finger's line.
inline std::unique_ptr<Hand> StraightHand() {
  auto hand = std::make_unique<Hand>();
  for (int f = 0; f < 5; ++f)
    for (int s = 0; s < 3; ++s)
      for (int a = 0; a < 3; ++a) hand->SetArthro(f, s, a, 0.0f);
  return hand;
}
