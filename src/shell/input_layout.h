#pragma once

#include "shell/interface_language.h"
#include "shell/kana_input.h"

#include <cstdint>
#include <optional>

// The input boxes of the main window change with the system: which boxes show, their
// captions, fonts and input methods. Each layout is a fixed list of settings; a value
// left empty keeps what the control had.

// What the input method of a box does, as the box asks the platform for it.
enum class InputMethodMode {
  Unchanged,
  Disabled,  // plain keys only
  Hiragana,  // Japanese, converting to kana
  Hangul,    // Korean
  Opened,    // the input method on, in whatever mode it has
  Closed,    // the input method off, keys typed as they are
};

// The font the reading box (FuriganaTxt) gets.
enum class ReadingBoxFont {
  Unchanged,
  EnglishAtTwelve,  // the English font's name at size 12
  Japanese,
  Korean,
};

struct InputLayout {
  bool MethodButtonVisible = false;  // MethodBtn
  bool NumericVisible = false;       // CheckBoxNumeric
  bool NumericChecked = false;
  std::optional<bool> WordBoxVisible;        // InputArea
  std::optional<bool> WordLabelVisible;      // Label1
  std::optional<int> WordLabelCaption;       // Label1, a caption table row
  int ReadingLabelCaption = 0;               // Label2, a caption table row
  ReadingBoxFont ReadingFont = ReadingBoxFont::Unchanged;
  InputMethodMode ReadingInputMethod = InputMethodMode::Unchanged;
  std::optional<int> WordBoxFont;            // a FontIndex
  InputMethodMode WordInputMethod = InputMethodMode::Unchanged;
  std::optional<int> SignLabelCaption;       // a caption table row
  bool NumericMode = false;
};

// BSL, the Indonesian alphabet, ASL and the derived ASL alphabet: one box of letters.
// The system label is set by whoever applies the system.
InputLayout AlphabetLayout();

// JSL: with the Japanese interface the word is typed through the input method and its
// reading spelled; with the English interface romaji are typed and shown as katakana.
InputLayout JslLayout(KanaInput input);

// KSL: romanized Korean in the word box shown as Hangul below it ("Word", "Hangul"),
// or Hangul typed straight into the lower box ("Word").
InputLayout KslLayout(bool hangulMode);

// The Japanese and Korean numerals, reached from JSL or KSL through the Numeric box.
InputLayout NumericLayout();
