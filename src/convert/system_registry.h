#pragma once

#include "convert/system_id.h"

#include <span>

class FingerspellingSystem;

// Every fingerspelling system, in the order of their numbers.
std::span<const FingerspellingSystem* const> AllSystems();

// The class of a system.
const FingerspellingSystem& FindSystem(SystemId system);
