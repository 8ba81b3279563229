#include "app/start_flow.h"

#include "app/app_state.h"
#include "app/counting_message_sink.h"
#include "app/number_format.h"
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

StartInput ChooseStartInput(const AppState& state) {
  if (state.SystemIndex == 4 && !state.NumericMode && state.InterfaceLanguage == 0)
    return StartInput::Romaji;
  if (state.SystemIndex == 5 && !state.NumericMode && !state.HangulMode)
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

StartOutcome RunStartFlow(SignClass& signs, CountingMessageSink& messages, const AppState& state,
                          const StartTexts& texts) {
  const std::optional<int16_t> speed = SpeedFromText(texts.Speed);
  if (!speed) {
    messages.ShowMessage(kInvalidSpeedMessage);
    return StartOutcome::InvalidSpeed;
  }
  const int shownBefore = messages.Count();
  if (!Convert(signs, ChooseStartInput(state), texts)) {
    if (messages.Count() == shownBefore) messages.ShowMessage(kUnsupportedTextMessage);
    return StartOutcome::Rejected;
  }
  signs.StartRoutine(*speed);
  return StartOutcome::Played;
}

std::optional<QString> LiveConversion(SignClass& signs, const AppState& state,
                                      const QString& wordBox) {
  switch (ChooseStartInput(state)) {
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
