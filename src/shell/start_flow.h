#pragma once

#include "convert/system_id.h"
#include "shell/kana_input.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

class MessageSink;
class SignClass;

// What the Start button does, free of the window: which box is spelled and how, the
// speed, the messages, and the live conversion of romanized input.

inline const QString kInvalidSpeedMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Invalid speed value!"));
inline const QString kUnsupportedTextMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Unsupported character(s) in the string"));
inline const QString kNotRomajiStatus = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Not spelled: \"%1\" is not romaji"));
inline const QString kNotRomanizedKoreanStatus = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Not spelled: \"%1\" is not romanized Korean"));

// What decides the box a word is taken from: the system the user chose (never the
// numerals), whether the numerals are on, the interface language and, for KSL, Hangul
// typed directly.
struct InputModes {
  SystemId System = SystemId::BritishTwoHanded;
  bool NumericMode = false;
  KanaInput Kana = KanaInput::Romaji;
  bool HangulMode = false;
};

// The box a word is taken from and the conversion it gets.
enum class StartInput {
  Romaji,          // the word box, through JslRomanText (JSL typed in roman letters)
  RomanizedKorean, // the word box, through KslRomanText (KSL typed in roman letters)
  ReadingBox,      // the reading box, through Text (everything else)
};
StartInput ChooseStartInput(const InputModes& modes);

// The speed box as a speed: the leading number rounded halves to even. Below 1 there
// is no speed; above 32767 the speed is 32767, the most the playback takes.
std::optional<int16_t> SpeedFromText(const QString& text);

struct StartTexts {
  QString WordBox;     // InputArea
  QString ReadingBox;  // FuriganaTxt
  QString Speed;       // Text1
};

enum class StartOutcome { Played, InvalidSpeed, Rejected };

// The reading box as its system spells it: full-width letters and digits narrowed,
// accents folded for the alphabets, kana as half-width katakana for JSL.
QString SpelledReadingBox(const InputModes& modes, const QString& readingBox);

// What the status line says after Start: for the alphabets, the characters they passed
// over ("Not spelled: 1 2 3"); for romanized input that did not convert, that it is not
// romaji or romanized Korean; empty otherwise.
QString StartStatus(const InputModes& modes, const StartTexts& texts, StartOutcome outcome);

// The pace of a word of `signs` signs drawn in `pictures` pictures at 60 a second, as
// the status line gives it beside the speed in percent: "5 signs, 2.4 a second".
QString PaceStatus(int signs, int pictures);

// Reads the speed, converts the chosen box (normalised as typed text is, so "ありがとう"
// spells as "ｱﾘｶﾞﾄｳ" and "annyeong" as "AnNyeong") and plays the word. Romanized input
// is read from the word box, or from the reading box while the word box is empty; kana
// or Hangul found there are spelled as they are. A text the converter rejects plays
// nothing: the previous word is not repeated in its place. The user is told
// "Unsupported character(s) in the string", followed by the characters the system cannot
// spell where they can be named, unless the converter has already said what was wrong
// (the numeral converter does).
StartOutcome RunStartFlow(SignClass& signs, MessageSink& messages, const InputModes& modes,
                          const StartTexts& texts);

// While romanized input is typed: the katakana or Hangul the word box converts to (kana
// and Hangul committed there as they are), or
// nothing when the input is not romanized here or the converter rejects it (the
// reading box then keeps what it shows).
std::optional<QString> LiveConversion(SignClass& signs, const InputModes& modes,
                                      const QString& wordBox);
