#pragma once

#include "convert/sign_step.h"
#include "convert/text_span.h"

#include <QStringView>

#include <cstdint>
#include <variant>
#include <vector>

// A whole number spelled in numeral signs, in groups of four digits: each group by its
// thousands, hundreds, tens and units signs, the higher groups followed by the sign
// for a hundred million or for ten thousand. The numeral shapes sit in the loaded
// table from numeralBase + 1 on:
//   1..9 units, 10 zero, 11..19 tens, 20..28 hundreds, 29..33 thousands 1000..5000
//   (6000..9000 use the units signs), 34 ten thousand, 35 hundred million.
// Every thousands sign carries the thousands movement.

constexpr int16_t kThousandsMove = 32;

enum class NumeralError {
  NotADigit,  // anything but 0..9, including signs, points and blanks
  TooBig,     // 100 000 000 000 or more
};

// The signs of a text of decimal digits; the empty text is 0.
std::variant<std::vector<SignStep>, NumeralError> NumeralSigns(QStringView text, int numeralBase);

// The digits of `text` each of its numeral signs spells, in the order of the signs;
// empty when the text is no number that has signs.
std::vector<TextSpan> NumeralSignSpans(QStringView text);
