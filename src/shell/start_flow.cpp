#include "shell/start_flow.h"

#include "base/message_sink.h"
#include "base/number_format.h"
#include "convert/sign_class.h"
#include "convert/typed_text_normalization.h"

#include <cmath>

namespace {

constexpr double kFastestSpeed = 32767.0;

// Hangul committed by an input method into the box of romanized Korean is spelled as
// the Hangul it is.
bool IsHangulSyllables(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c.unicode() < 0xAC00 || c.unicode() > 0xD7A3) return false;
  return true;
}

bool ConvertRomanizedKorean(SignClass& signs, const QString& wordBox) {
  const QString text = NormalizeTypedText(wordBox, SystemId::KoreanHangul, true);
  return IsHangulSyllables(text) ? signs.Text(text) : signs.KslRomanText(text);
}

bool Convert(SignClass& signs, StartInput input, const InputModes& modes, const StartTexts& texts) {
  switch (input) {
    case StartInput::Romaji: return signs.JslRomanText(NormalizeTypedText(texts.WordBox, SystemId::JapaneseKana, true));
    case StartInput::RomanizedKorean: return ConvertRomanizedKorean(signs, texts.WordBox);
    case StartInput::ReadingBox: break;
  }
  return signs.Text(SpelledReadingBox(modes, texts.ReadingBox));
}

}  // namespace

StartInput ChooseStartInput(const InputModes& modes) {
  if (modes.System == SystemId::JapaneseKana && !modes.NumericMode && modes.Interface == InterfaceLanguage::English)
    return StartInput::Romaji;
  if (modes.System == SystemId::KoreanHangul && !modes.NumericMode && !modes.HangulMode)
    return StartInput::RomanizedKorean;
  return StartInput::ReadingBox;
}

std::optional<int16_t> SpeedFromText(const QString& text) {
  const double value = LenientNumber(text);
  if (std::isnan(value)) return std::nullopt;
  const double rounded = std::isfinite(value) ? RoundHalfEven(value) : value;
  if (rounded < 1.0) return std::nullopt;
  if (rounded > kFastestSpeed) return static_cast<int16_t>(kFastestSpeed);
  return static_cast<int16_t>(rounded);
}

StartOutcome RunStartFlow(SignClass& signs, MessageSink& messages, const InputModes& modes,
                          const StartTexts& texts) {
  const std::optional<int16_t> speed = SpeedFromText(texts.Speed);
  if (!speed) {
    messages.ShowMessage(kInvalidSpeedMessage);
    return StartOutcome::InvalidSpeed;
  }
  if (!Convert(signs, ChooseStartInput(modes), modes, texts)) {
    messages.ShowMessage(signs.Message().isEmpty() ? kUnsupportedTextMessage : signs.Message());
    return StartOutcome::Rejected;
  }
  signs.StartRoutine(*speed);
  return StartOutcome::Played;
}

std::optional<QString> LiveConversion(SignClass& signs, const InputModes& modes,
                                      const QString& wordBox) {
  switch (ChooseStartInput(modes)) {
    case StartInput::Romaji:
      if (signs.JslRomanText(NormalizeTypedText(wordBox, SystemId::JapaneseKana, true))) return signs.KatakanaString();
      return std::nullopt;
    case StartInput::RomanizedKorean:
      if (ConvertRomanizedKorean(signs, wordBox)) return signs.HangulString();
      return std::nullopt;
    case StartInput::ReadingBox: break;
  }
  return std::nullopt;
}

QString SpelledReadingBox(const InputModes& modes, const QString& readingBox) {
  const SystemId system = modes.NumericMode ? SystemId::Numerals : modes.System;
  return NormalizeTypedText(readingBox, system, false);
}

QString StartStatus(const InputModes& modes, const StartTexts& texts) {
  if (ChooseStartInput(modes) != StartInput::ReadingBox || modes.NumericMode) return {};
  if (!IsAlphabetSystem(modes.System)) return {};
  return UnspelledStatus(SpelledReadingBox(modes, texts.ReadingBox));
}
