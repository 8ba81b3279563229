#pragma once

#include <cstdint>
#include <vector>

// One step of a spelled word: the sign table slot to show and the converter's extra
// movement for it (0 for none).
struct SignStep {
  int16_t Code = 0;
  int16_t Modifier = 0;

  friend bool operator==(const SignStep&, const SignStep&) = default;
};

// The signs of one word, in order.
using SignSequence = std::vector<SignStep>;
