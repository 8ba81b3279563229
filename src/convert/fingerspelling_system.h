#pragma once

#include "convert/sign_step.h"
#include "convert/system_id.h"
#include "convert/text_span.h"
#include "playback/move_script.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

struct SignTable;

// A converted word: its signs, and the katakana or Hangul it reads as (JSL and KSL;
// empty for the others).
struct Conversion {
  SignSequence steps;
  QString shownText;
};

// A text the system cannot spell. `message` is what the system itself says about it
// ("Invalid number"); empty when the characters are simply not supported.
struct ConversionError {
  QString message;
};

using ConversionResult = std::variant<Conversion, ConversionError>;

// Which input boxes the main window lays out for a system.
enum class InputFamily { Alphabet, Kana, Hangul, Numerals };

// Which romanized input a system reads from the word box, if any.
enum class RomanizedInput { None, Romaji, RomanizedKorean };

// One fingerspelling system: what the program needs to know about it, a pure
// conversion from text to signs, and the choreography that turns the signs into the
// moves the hands make.
class FingerspellingSystem {
 public:
  virtual ~FingerspellingSystem() = default;

  virtual SystemId Id() const = 0;
  // The angle data file beside the program; empty for the numerals, which use the
  // JSL or KSL table already loaded.
  virtual QString DataFileName() const = 0;
  // Hands of the table layout; 0 for the numerals, which keep the layout in force.
  virtual int16_t HandCount() const = 0;
  // The first numeral slot of the system's table, where it has numerals.
  virtual std::optional<int16_t> NumeralBase() const { return std::nullopt; }
  virtual InputFamily Input() const = 0;
  virtual RomanizedInput Romanized() const { return RomanizedInput::None; }

  // `numeralBase` is the first numeral slot of the table in use.
  virtual ConversionResult Convert(const QString& text, int16_t numeralBase) const = 0;
  // Romanized input; systems without any reject every text.
  virtual ConversionResult ConvertRomanized(const QString&) const { return ConversionError{}; }

  // The characters of `text` each of its signs spells, for systems whose signs cannot
  // be told by spelling the text's beginnings; nullopt for the others.
  virtual std::optional<std::vector<TextSpan>> SignSpans(const QString&) const { return std::nullopt; }
  // The letter a sign spells where one character is spelled by several signs (a jamo of
  // a Hangul syllable); empty where each character is its own sign.
  virtual QString SignLetter(SignStep) const { return {}; }

  // A key frame the lifelike motion need not visit: the frames apart before and after
  // a two-handed letter's contact.
  virtual bool PassesOver(const SignTable&, int /*sign*/, int /*frame*/) const { return false; }
  // The targets the lifelike motion passes through between two letters so that the
  // hands keep clear of each other; none where the straight way is clear.
  virtual std::vector<Move> Waypoints(const SignTable&, const Move& /*from*/, const Move& /*to*/) const { return {}; }

  // The moves of a converted word at a delay of `delay` (4000 / speed). Signs
  // without key frames in `table` are passed over.
  virtual MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                                 int16_t delay) const = 0;
};
