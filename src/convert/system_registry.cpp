#include "convert/system_registry.h"

#include "convert/alphabet_system.h"
#include "convert/hangul_system.h"
#include "convert/kana_system.h"
#include "convert/numeral_system.h"

#include <array>

std::span<const FingerspellingSystem* const> AllSystems() {
  static const AlphabetSystem british(0, QStringLiteral("PositionBSL.csv"), 2, false);
  static const AlphabetSystem indonesian(1, QStringLiteral("PositionINA.csv"), 2, false);
  static const AlphabetSystem american(2, QStringLiteral("PositionASL.csv"), 1, true);
  static const AlphabetSystem derivedAmerican(3, QStringLiteral("PositionASL.csv"), 1, false);
  static const KanaSystem japanese;
  static const HangulSystem korean;
  static const NumeralSystem numerals;
  static const std::array<const FingerspellingSystem*, 7> systems = {
      &british, &indonesian, &american, &derivedAmerican, &japanese, &korean, &numerals};
  return systems;
}

const FingerspellingSystem* FindSystem(int index) {
  const auto systems = AllSystems();
  if (index < 0 || index >= static_cast<int>(systems.size())) return nullptr;
  return systems[static_cast<size_t>(index)];
}
