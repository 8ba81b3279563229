#include "shell/input_layout.h"

#include <gtest/gtest.h>

// The main window's test shows which boxes, captions and fonts each layout gives; the
// input method each box is switched to is what it cannot see.
TEST(InputLayout, EachLayoutSwitchesTheInputMethodOfBothBoxes) {
  using enum InputMethodMode;
  const struct {
    const char* name;
    InputLayout layout;
    InputMethodMode reading;
    InputMethodMode word;
  } cases[] = {
      {"alphabets: plain letters", AlphabetLayout(), Disabled, Unchanged},
      {"JSL typed in roman letters", JslLayout(KanaInput::Romaji), Hiragana, Closed},
      {"JSL typed in Japanese: a word", JslLayout(KanaInput::Japanese), Hiragana, Opened},
      {"KSL in roman letters", KslLayout(false), Unchanged, Closed},
      {"KSL in Hangul", KslLayout(true), Hangul, Unchanged},
      {"numerals: digits", NumericLayout(), Disabled, Unchanged},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.layout.ReadingInputMethod, c.reading) << c.name;
    EXPECT_EQ(c.layout.WordInputMethod, c.word) << c.name;
  }
}
