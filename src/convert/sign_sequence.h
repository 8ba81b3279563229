#pragma once

#include "app/app_state.h"

#include <span>
#include <vector>

// Writes a finished conversion into SignSequence and SignSequenceCount. Converters
// build the whole sequence first and store it only when the conversion succeeded, so
// a failed one leaves the previous word to be played again.
void StoreSignSequence(AppState& state, const std::vector<SignStep>& steps);

// The meaningful entries of SignSequence.
std::span<const SignStep> CurrentSignSequence(const AppState& state);
