#include "shell/start_flow.h"

#include "base/message_sink.h"
#include "base/number_format.h"
#include "convert/sign_class.h"

#include <cmath>

namespace {

constexpr double kFastestSpeed = 32767.0;

bool Convert(SignClass& signs, StartInput input, const StartTexts& texts) {
  switch (input) {
    case StartInput::Romaji: return signs.JslRomanText(texts.WordBox);
    case StartInput::RomanizedKorean: return signs.KslRomanText(texts.WordBox);
    case StartInput::ReadingBox: break;
  }
  return signs.Text(texts.ReadingBox);
}

}  // namespace

StartInput ChooseStartInput(const InputModes& modes) {
  if (modes.SystemIndex == 4 && !modes.NumericMode && modes.InterfaceLanguage == 0)
    return StartInput::Romaji;
  if (modes.SystemIndex == 5 && !modes.NumericMode && !modes.HangulMode)
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
  if (!Convert(signs, ChooseStartInput(modes), texts)) {
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
      if (signs.JslRomanText(wordBox)) return signs.KatakanaString();
      return std::nullopt;
    case StartInput::RomanizedKorean:
      if (signs.KslRomanText(wordBox)) return signs.HangulString();
      return std::nullopt;
    case StartInput::ReadingBox: break;
  }
  return std::nullopt;
}
