#include "convert/system_registry.h"

#include "convert/alphabet_system.h"
#include "convert/hangul_system.h"
#include "convert/kana_system.h"
#include "convert/numeral_system.h"

#include <array>

std::span<const FingerspellingSystem* const> AllSystems() {
  static const AlphabetSystem british(SystemId::BritishTwoHanded, QStringLiteral("PositionBSL.csv"), 2, false);
  static const AlphabetSystem indonesian(SystemId::IndonesianTwoHanded, QStringLiteral("PositionINA.csv"), 2,
                                         false);
  static const AlphabetSystem american(SystemId::American, QStringLiteral("PositionASL.csv"), 1, true);
  static const AlphabetSystem derivedAmerican(SystemId::DerivedAmerican, QStringLiteral("PositionASL.csv"), 1,
                                              false);
  static const KanaSystem japanese;
  static const HangulSystem korean;
  static const NumeralSystem numerals;
  static const std::array<const FingerspellingSystem*, 7> systems = {
      &british, &indonesian, &american, &derivedAmerican, &japanese, &korean, &numerals};
  return systems;
}

const FingerspellingSystem& FindSystem(SystemId system) {
  return *AllSystems()[static_cast<size_t>(SystemNumber(system))];
}
