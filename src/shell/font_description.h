#pragma once

#include "shell/interface_language.h"

#include <QString>

#include <array>
#include <cstdint>

// A font as the settings file keeps it: the family name and the size in points.
struct FontDescription {
  QString Name;
  int16_t Size = 0;

  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// The sizes the windows are laid out for: a font much larger makes the main window
// taller than any framebuffer, one much smaller is unreadable.
constexpr int16_t kSmallestFontSize = 6;
constexpr int16_t kLargestFontSize = 72;

inline int16_t KeptFontSize(int16_t size) {
  return size < kSmallestFontSize ? kSmallestFontSize : size > kLargestFontSize ? kLargestFontSize : size;
}

// The three fonts: one for each interface language and one for Korean, which has no
// interface of its own and only serves Hangul text.
enum FontIndex : int { EnglishFont = 0, JapaneseFont = 1, KoreanFont = 2 };

inline std::array<FontDescription, 3> DefaultFonts() {
  return {FontDescription{QStringLiteral("Times New Roman"), 10},
          FontDescription{QStringLiteral("System"), 10},
          FontDescription{QStringLiteral("Arial Unicode MS"), 12}};
}

// The font that serves the interface of a language.
inline int InterfaceFontIndex(InterfaceLanguage language) {
  switch (language) {
    case InterfaceLanguage::English: return EnglishFont;
    case InterfaceLanguage::Japanese: return JapaneseFont;
    case InterfaceLanguage::Korean: return KoreanFont;
    case InterfaceLanguage::Indonesian: return EnglishFont;
  }
  return EnglishFont;
}
