#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// How the whole program reads and writes numbers: typed text and file fields are
// read leniently, integers are rounded halves-to-even into 16 bits, and floats are
// written in their shortest text of at most seven significant digits.

// Blanks anywhere are ignored; the longest leading decimal number (optional sign,
// digits, optional fraction, optional exponent) is taken; anything else reads as 0.
// The result may be infinite when the exponent is huge.
double LenientNumber(QStringView text);

// True when the text, blanks ignored, starts with a decimal number at all.
bool StartsWithNumber(QStringView text);

// Nearest integer, halves to even; nullopt when the result does not fit 16 bits
// (or the value is not finite).
std::optional<int16_t> RoundToInt16(double value);

// Nearest integer, halves to even, for values known to be in range.
double RoundHalfEven(double value);

// Shortest decimal text that reads back as the same 32-bit float, with at most seven
// significant digits: "5", "-0.25", "15.78947", "1E+07", "1.5E-07".
QString ShortestFloatText(float value);

// The same for a double, with at most fifteen significant digits and plain notation
// below 1E+15: "12.25", "100", "0.1", "1E+15".
QString ShortestDoubleText(double value);

// The form a free-format number is written in at a line end: a blank where a plus
// sign would stand, the number, then one blank (" 5 ", "-0.5 ").
QString FreeNumberForm(float value);

// The free number form of a double: " 12.25 ", "-0.5 ".
QString FreeDoubleNumberForm(double value);
