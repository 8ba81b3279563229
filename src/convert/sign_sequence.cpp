#include "convert/sign_sequence.h"

#include <algorithm>

void StoreSignSequence(AppState& state, const std::vector<SignStep>& steps) {
  // Entries past the new count keep what they held; only the first
  // SignSequenceCount entries are meaningful.
  if (state.SignSequence.size() < steps.size()) state.SignSequence.resize(steps.size());
  std::copy(steps.begin(), steps.end(), state.SignSequence.begin());
  state.SignSequenceCount = static_cast<int>(steps.size());
}

std::span<const SignStep> CurrentSignSequence(const AppState& state) {
  const size_t count = std::min(state.SignSequence.size(),
                                static_cast<size_t>(std::max(0, state.SignSequenceCount)));
  return std::span<const SignStep>(state.SignSequence.data(), count);
}
