#pragma once

#include <QString>

#include <array>
#include <cstdint>

// A font as the settings file keeps it: the family name and the size in points.
struct FontDescription {
  QString Name;
  int16_t Size = 0;

  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// The three fonts are indexed by the interface language they serve, so the interface
// font is the one whose index equals InterfaceLanguage; Korean has no interface of its
// own and only serves Hangul text.
enum FontIndex : int { EnglishFont = 0, JapaneseFont = 1, KoreanFont = 2 };

inline std::array<FontDescription, 3> DefaultFonts() {
  return {FontDescription{QStringLiteral("Times New Roman"), 10},
          FontDescription{QStringLiteral("System"), 10},
          FontDescription{QStringLiteral("Arial Unicode MS"), 12}};
}

// The font that serves the interface of a language; English for a language the
// program has no interface for.
inline int InterfaceFontIndex(int16_t language) {
  return language >= EnglishFont && language <= KoreanFont ? int{language} : int{EnglishFont};
}
