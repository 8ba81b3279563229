#include "shell/input_layout.h"

#include "shell/caption_table.h"
#include "shell/font_description.h"

InputLayout AlphabetLayout() {
  InputLayout layout;
  layout.WordBoxVisible = false;
  layout.WordLabelVisible = false;
  layout.ReadingLabelCaption = WordCaption;
  layout.ReadingFont = ReadingBoxFont::EnglishAtTwelve;
  layout.ReadingInputMethod = InputMethodMode::Disabled;
  return layout;
}

InputLayout JslLayout(KanaInput input) {
  const bool japanese = input == KanaInput::Japanese;
  InputLayout layout;
  layout.NumericVisible = true;
  layout.WordBoxVisible = true;
  layout.WordLabelVisible = true;
  layout.WordLabelCaption = WordCaption;
  layout.ReadingLabelCaption = KatakanaCaption;
  layout.ReadingFont = ReadingBoxFont::Japanese;
  layout.ReadingInputMethod = InputMethodMode::Hiragana;
  layout.WordBoxFont = japanese ? JapaneseFont : EnglishFont;
  layout.WordInputMethod = japanese ? InputMethodMode::Opened : InputMethodMode::Closed;
  layout.SignLabelCaption = SystemCaptionRow(SystemId::JapaneseKana);
  return layout;
}

InputLayout KslLayout(bool hangulMode) {
  InputLayout layout;
  layout.MethodButtonVisible = true;
  layout.NumericVisible = true;
  layout.WordBoxVisible = !hangulMode;
  // Typed in roman letters, the word is above and its Hangul below, as JSL's romaji and
  // katakana; typed in Hangul, the one box is the word.
  layout.WordLabelVisible = !hangulMode;
  layout.WordLabelCaption = WordCaption;
  layout.ReadingLabelCaption = hangulMode ? WordCaption : HangulCaption;
  layout.ReadingFont = ReadingBoxFont::Korean;
  if (hangulMode)
    layout.ReadingInputMethod = InputMethodMode::Hangul;
  else
    layout.WordInputMethod = InputMethodMode::Closed;
  layout.SignLabelCaption = SystemCaptionRow(SystemId::KoreanHangul);
  return layout;
}

InputLayout NumericLayout() {
  InputLayout layout;
  layout.NumericVisible = true;
  layout.NumericChecked = true;
  layout.WordBoxVisible = false;
  layout.WordLabelVisible = false;
  layout.ReadingLabelCaption = NumericCaption;
  layout.ReadingInputMethod = InputMethodMode::Disabled;
  layout.SignLabelCaption = NumeralSystemCaption;
  layout.NumericMode = true;
  return layout;
}
