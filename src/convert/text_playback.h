#pragma once

#include <QString>

#include <cstdint>

struct AppState;
class MessageSink;
class PlaybackEngine;
class SignClass;

// How a text is spelled outside the main window, the way the program does it on
// Start: the system's table layout and numeral slots, the conversion, the playback.

// The layout of a system's angle data file: systems 0 and 1 are two-handed
// (103 columns), all others one-handed (52 columns).
struct TableLayout {
  int16_t HandCount;
  int16_t ColumnCount;
};
TableLayout TableLayoutOfSystem(int system);

// Where the numeral shapes start in a system's table: 46 in the JSL table, 41 in the
// KSL table; the numeral system (and the alphabets, which have none) take `other`.
int16_t NumeralBaseOfSystem(int system, int16_t other);

// Points the state and `signs` at `system` (0..6): SystemIndex is the system, or 4
// for the numerals, which the user reaches from JSL or KSL; NumeralBase is
// `numeralBase`; then LangSet.
void SelectSystem(AppState& state, SignClass& signs, int system, int16_t numeralBase);

// Text, or with `roman` the romanized input of the current system (KslRomanText for
// KSL, JslRomanText otherwise, which only JSL accepts). Returns Result().
bool ConvertText(SignClass& signs, const QString& text, bool roman);

struct TextPlaybackRequest {
  int system = 0;
  QString anglesPath;
  int speed = 1;
  int16_t numeralBase = 46;  // read by the numeral system only
  bool roman = false;
  QString text;
};

struct TextPlaybackResult {
  enum class Outcome { Played, InvalidSpeed, TableNotLoaded, ConversionFailed };
  Outcome outcome;
  QString reason;  // why the table did not load, or the speed message
};

// Loads the angle data file into engine.State() in the system's layout, selects the
// system, converts the text and, when that succeeds, plays it at the speed through
// `engine`. Conversion messages ("Invalid number") go to `messages`.
TextPlaybackResult PlayText(PlaybackEngine& engine, MessageSink& messages,
                            const TextPlaybackRequest& request);
