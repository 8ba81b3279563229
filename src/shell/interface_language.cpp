#include "shell/interface_language.h"

std::optional<InterfaceLanguage> InterfaceLanguageFromNumber(int number) {
  switch (number) {
    case 0: return InterfaceLanguage::English;
    case 1: return InterfaceLanguage::Japanese;
    case 2: return InterfaceLanguage::Korean;
    case 3: return InterfaceLanguage::Indonesian;
    default: return std::nullopt;
  }
}

int16_t InterfaceLanguageNumber(InterfaceLanguage language) { return static_cast<int16_t>(language); }
