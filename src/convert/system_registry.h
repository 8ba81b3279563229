#pragma once

#include <span>

class FingerspellingSystem;

// Every fingerspelling system, in index order (0..6).
std::span<const FingerspellingSystem* const> AllSystems();

// The system of an index; null outside 0..6.
const FingerspellingSystem* FindSystem(int index);
