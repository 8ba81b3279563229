#pragma once

#include "shell/interface_language.h"

// How words of the Japanese kana system are typed: in Japanese through the input method
// (the word box takes kanji and kana, the reading box its reading, and the word list is
// the Japanese one), or in roman letters (romaji, with its own word list).
enum class KanaInput { Romaji, Japanese };

// What the program did before the choice was a setting of its own: Japanese with the
// Japanese interface, roman letters with every other.
constexpr KanaInput DefaultKanaInput(InterfaceLanguage language) {
  return language == InterfaceLanguage::Japanese ? KanaInput::Japanese : KanaInput::Romaji;
}
