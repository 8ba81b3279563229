#pragma once

#include <cstdint>
#include <optional>

// The languages the program's windows speak. Their numbers are what the settings file
// keeps on its "Message" line and the caption table's columns; nothing else counts
// with them.
enum class InterfaceLanguage : int16_t {
  English = 0,
  Japanese = 1,
  Korean = 2,
  Indonesian = 3,
};

// Every interface language, in the order of their numbers.
inline constexpr InterfaceLanguage kInterfaceLanguages[] = {InterfaceLanguage::English, InterfaceLanguage::Japanese,
                                                            InterfaceLanguage::Korean, InterfaceLanguage::Indonesian};

// The language a stored number names, or nothing for any other number.
std::optional<InterfaceLanguage> InterfaceLanguageFromNumber(int number);

// The number a language is stored as.
int16_t InterfaceLanguageNumber(InterfaceLanguage language);
