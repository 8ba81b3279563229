#pragma once

#include <cstdint>
#include <optional>

// The fingerspelling systems the program knows. Their numbers are what the settings
// file, the command line and the trace lists store; nothing else counts with them.
enum class SystemId : int16_t {
  BritishTwoHanded = 0,
  IndonesianTwoHanded = 1,
  American = 2,
  DerivedAmerican = 3,
  JapaneseKana = 4,
  KoreanHangul = 5,
  Numerals = 6,
};

// The system a stored number names, or nothing for a number outside 0..6.
std::optional<SystemId> SystemFromNumber(int number);

// The number a system is stored as.
int16_t SystemNumber(SystemId system);

// The user chooses among every system but the numerals, which are switched on beside
// JSL or KSL; a stored choice is one of these.
bool IsChoosableSystem(SystemId system);

// The system a stored choice names, or nothing outside 0..5.
std::optional<SystemId> ChoosableSystemFromNumber(int number);

// BSL, the Indonesian alphabet, ASL and the derived ASL alphabet.
bool IsAlphabetSystem(SystemId system);
