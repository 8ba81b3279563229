#include "convert/system_id.h"

std::optional<SystemId> SystemFromNumber(int number) {
  if (number < SystemNumber(SystemId::BritishTwoHanded) || number > SystemNumber(SystemId::Numerals))
    return std::nullopt;
  return static_cast<SystemId>(number);
}

int16_t SystemNumber(SystemId system) { return static_cast<int16_t>(system); }

bool IsChoosableSystem(SystemId system) { return system != SystemId::Numerals; }

std::optional<SystemId> ChoosableSystemFromNumber(int number) {
  const std::optional<SystemId> system = SystemFromNumber(number);
  if (!system || !IsChoosableSystem(*system)) return std::nullopt;
  return system;
}

bool IsAlphabetSystem(SystemId system) {
  switch (system) {
    case SystemId::BritishTwoHanded:
    case SystemId::IndonesianTwoHanded:
    case SystemId::American:
    case SystemId::DerivedAmerican: return true;
    case SystemId::JapaneseKana:
    case SystemId::KoreanHangul:
    case SystemId::Numerals: return false;
  }
  return false;
}
