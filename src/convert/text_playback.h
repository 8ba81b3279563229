#pragma once

#include "convert/system_id.h"
#include "playback/motion_style.h"

#include <QString>

#include <cstdint>

class MessageSink;
class ScriptPlayer;
class SignClass;
struct SignTable;

// How a text is spelled outside the main window, the way the program does it on
// Start: the system's table layout and numeral slots, the conversion, the playback.

// Hands of a system's angle data file: BSL and the Indonesian alphabet are two-handed,
// all others (the numerals too, which use the JSL or KSL table) one-handed.
int TableHandsOfSystem(SystemId system);

// Where the numeral shapes start in a system's table: 46 in the JSL table, 41 in the
// KSL table; the numeral system (and the alphabets, which have none) take `other`.
int16_t NumeralBaseOfSystem(SystemId system, int16_t other);

// Points `signs` at `system` counting numerals from `numeralBase`.
void SelectSystem(SignClass& signs, SystemId system, int16_t numeralBase);

// Text, or with `roman` the romanized input of the current system (KslRomanText for
// KSL, JslRomanText otherwise, which only JSL accepts). Returns Result().
bool ConvertText(SignClass& signs, const QString& text, bool roman);

struct TextPlaybackRequest {
  SystemId system = SystemId::BritishTwoHanded;
  QString anglesPath;
  int speed = 1;
  int16_t numeralBase = 46;  // read by the numeral system only
  bool roman = false;
  QString text;
  bool normalize = false;  // the text goes through NormalizeTypedText first
  MotionStyle motion = MotionStyle::Described;
};

struct TextPlaybackResult {
  enum class Outcome { Played, InvalidSpeed, TableNotLoaded, ConversionFailed };
  Outcome outcome;
  QString reason;  // why the table did not load, or the speed message
};

// Loads the angle data file into `table` in the system's layout, selects the system,
// converts the text and, when that succeeds, has `player` play it at the speed. What
// the system says about a text it rejects ("Invalid number") goes to `messages`.
TextPlaybackResult PlayText(SignTable& table, ScriptPlayer& player, MessageSink& messages,
                            const TextPlaybackRequest& request);
