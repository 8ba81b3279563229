#include "shell/start_flow.h"

#include "base/message_sink.h"
#include "base/number_format.h"
#include "convert/fingerspelling_system.h"
#include "convert/sign_class.h"
#include "convert/typed_text_normalization.h"
#include "shell/interface_text.h"

#include <QStringList>

#include <cmath>
#include <variant>

namespace {

constexpr double kFastestSpeed = 32767.0;

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

bool HasLatinLetter(const QString& text) {
  for (QChar c : text)
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= QChar(0xFF21) && c <= QChar(0xFF5A))) return true;
  return false;
}

// Romanized input reads the word box; a learner who types into the box captioned "Word"
// (the reading box, below it) or commits kana or Hangul there has typed the word too.
QString RomanizedSource(const StartTexts& texts) { return IsBlank(texts.WordBox) ? texts.ReadingBox : texts.WordBox; }

// Text with roman letters is romanized; kana and Hangul, whichever box they were
// typed or committed into, are spelled as the script they are.
bool ConvertRomanized(SignClass& signs, SystemId system, const QString& text) {
  if (!HasLatinLetter(text)) return signs.Text(NormalizeTypedText(text, system, false));
  const QString romanized = NormalizeTypedText(text, system, true);
  return system == SystemId::KoreanHangul ? signs.KslRomanText(romanized) : signs.JslRomanText(romanized);
}

bool Convert(SignClass& signs, StartInput input, const InputModes& modes, const StartTexts& texts) {
  switch (input) {
    case StartInput::Romaji: return ConvertRomanized(signs, SystemId::JapaneseKana, RomanizedSource(texts));
    case StartInput::RomanizedKorean: return ConvertRomanized(signs, SystemId::KoreanHangul, RomanizedSource(texts));
    case StartInput::ReadingBox: break;
  }
  return signs.Text(SpelledReadingBox(modes, texts.ReadingBox));
}

// The text Start converted, as the converter read it.
QString ConvertedText(StartInput input, const InputModes& modes, const StartTexts& texts) {
  if (input == StartInput::ReadingBox) return SpelledReadingBox(modes, texts.ReadingBox);
  const SystemId system = input == StartInput::Romaji ? SystemId::JapaneseKana : SystemId::KoreanHangul;
  const QString source = RomanizedSource(texts);
  return NormalizeTypedText(source, system, HasLatinLetter(source));
}

// The characters of a rejected text its system cannot spell on their own, each once.
QStringList CharactersNotSpelled(const SignClass& signs, const QString& text) {
  QStringList named;
  if (!signs.System()) return named;
  for (QChar c : text) {
    const QString character(c);
    if (c.isSpace() || named.contains(character)) continue;
    if (std::holds_alternative<ConversionError>(signs.System()->Convert(character, signs.NumeralBase())))
      named << character;
  }
  return named;
}

QString RejectionMessage(const SignClass& signs, StartInput input, const InputModes& modes, const StartTexts& texts) {
  if (!signs.Message().isEmpty()) return signs.Message();
  const QString text = ConvertedText(input, modes, texts);
  const QString unsupported = InInterfaceLanguage(kUnsupportedTextMessage);
  if (input != StartInput::ReadingBox && HasLatinLetter(text)) return unsupported;
  const QStringList named = CharactersNotSpelled(signs, text);
  return named.isEmpty() ? unsupported : unsupported + QStringLiteral(": ") + named.join(u' ');
}

}  // namespace

StartInput ChooseStartInput(const InputModes& modes) {
  if (modes.System == SystemId::JapaneseKana && !modes.NumericMode && modes.Kana == KanaInput::Romaji)
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
    messages.ShowMessage(RejectionMessage(signs, ChooseStartInput(modes), modes, texts));
    return StartOutcome::Rejected;
  }
  signs.StartRoutine(*speed);
  return StartOutcome::Played;
}

std::optional<QString> LiveConversion(SignClass& signs, const InputModes& modes,
                                      const QString& wordBox) {
  switch (ChooseStartInput(modes)) {
    case StartInput::Romaji:
      if (ConvertRomanized(signs, SystemId::JapaneseKana, wordBox)) return signs.KatakanaString();
      return std::nullopt;
    case StartInput::RomanizedKorean:
      if (ConvertRomanized(signs, SystemId::KoreanHangul, wordBox)) return signs.HangulString();
      return std::nullopt;
    case StartInput::ReadingBox: break;
  }
  return std::nullopt;
}

QString SpelledReadingBox(const InputModes& modes, const QString& readingBox) {
  const SystemId system = modes.NumericMode ? SystemId::Numerals : modes.System;
  return NormalizeTypedText(readingBox, system, false);
}

QString StartStatus(const InputModes& modes, const StartTexts& texts, StartOutcome outcome) {
  const StartInput input = ChooseStartInput(modes);
  if (outcome == StartOutcome::Rejected && input != StartInput::ReadingBox) {
    const QString text = ConvertedText(input, modes, texts);
    if (HasLatinLetter(text))
      return InInterfaceLanguage(input == StartInput::Romaji ? kNotRomajiStatus : kNotRomanizedKoreanStatus)
          .arg(RomanizedSource(texts).trimmed());
    return {};
  }
  if (input != StartInput::ReadingBox || modes.NumericMode) return {};
  if (!IsAlphabetSystem(modes.System)) return {};
  return UnspelledStatus(SpelledReadingBox(modes, texts.ReadingBox));
}

QString PaceStatus(int signs, int pictures) {
  if (signs <= 0 || pictures <= 0) return {};
  constexpr double kPicturesPerSecond = 60.0;
  const double perSecond = signs * kPicturesPerSecond / pictures;
  return (signs == 1 ? QCoreApplication::translate("Messages", "%1 sign, %2 a second")
                     : QCoreApplication::translate("Messages", "%1 signs, %2 a second"))
      .arg(signs)
      .arg(perSecond, 0, 'f', 1);
}
