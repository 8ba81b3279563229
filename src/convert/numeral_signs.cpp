#include "convert/numeral_signs.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kUnits = 0;
constexpr int kZero = 10;
constexpr int kTens = 10;
constexpr int kHundreds = 19;
constexpr int kThousands = 28;
constexpr int kTenThousand = 34;
constexpr int kHundredMillion = 35;
// The largest number that has signs: 10^11 − 1, below a thousand hundred millions.
constexpr int kMostDigits = 11;

// The signs of a number, each with the digits of the text it spells: its own digit, or
// for the sign of ten thousand or a hundred million the group it closes. `first` is
// where the number's digits begin in the text, after any leading zeros.
class NumeralSpeller {
 public:
  NumeralSpeller(int base, int first, int end) : base_(base), first_(first), end_(end) {}

  std::vector<SignStep> Spell(int64_t value) {
    if (value == 0) {
      Append(kZero, {0, end_});
      return steps_;
    }
    const int64_t hundredMillions = value / 100'000'000;
    const int64_t tenThousands = (value % 100'000'000) / 10'000;
    const int64_t rest = value % 10'000;
    if (hundredMillions != 0) {
      Group(static_cast<int>(hundredMillions), end_ - 8);
      Append(kHundredMillion, GroupSpan(end_ - 8, 4));
    }
    if (tenThousands != 0) {
      Group(static_cast<int>(tenThousands), end_ - 4);
      Append(kTenThousand, GroupSpan(end_ - 4, 4));
    }
    if (rest != 0) Group(static_cast<int>(rest), end_);
    return steps_;
  }

  const std::vector<TextSpan>& Spans() const { return spans_; }

 private:
  void Append(int k, TextSpan span, int16_t modifier = 0) {
    steps_.push_back({static_cast<int16_t>(base_ + k), modifier});
    spans_.push_back(span);
  }

  // The `width` digits before `groupEnd`, those of the number only.
  TextSpan GroupSpan(int groupEnd, int width) const {
    const int start = std::max(first_, groupEnd - width);
    return {start, groupEnd - start};
  }

  // One group 1..9999 whose units digit is just before `groupEnd`; zero digits have no
  // sign.
  void Group(int g, int groupEnd) {
    const int thousands = g / 1000;
    const int hundreds = g / 100 % 10;
    const int tens = g / 10 % 10;
    const int units = g % 10;
    const auto digit = [&](int place) { return TextSpan{groupEnd - 1 - place, 1}; };
    if (thousands != 0)
      Append(thousands <= 5 ? kThousands + thousands : kUnits + thousands, digit(3), kThousandsMove);
    if (hundreds != 0) Append(kHundreds + hundreds, digit(2));
    if (tens != 0) Append(kTens + tens, digit(1));
    if (units != 0) Append(kUnits + units, digit(0));
  }

  int base_;
  int first_;
  int end_;
  std::vector<SignStep> steps_;
  std::vector<TextSpan> spans_;
};

std::optional<NumeralSpeller> SpellerOf(QStringView text, int numeralBase, int64_t& value) {
  for (const QChar c : text)
    if (c < u'0' || c > u'9') return std::nullopt;
  // Leading zeros do not count, so any number of them is fine.
  qsizetype first = 0;
  while (first < text.size() && text[first] == u'0') ++first;
  if (text.size() - first > kMostDigits) return std::nullopt;
  value = 0;
  for (qsizetype i = first; i < text.size(); ++i) value = value * 10 + (text[i].unicode() - u'0');
  return NumeralSpeller(numeralBase, static_cast<int>(first), static_cast<int>(text.size()));
}

}  // namespace

std::variant<std::vector<SignStep>, NumeralError> NumeralSigns(QStringView text, int numeralBase) {
  for (const QChar c : text)
    if (c < u'0' || c > u'9') return NumeralError::NotADigit;
  int64_t value = 0;
  std::optional<NumeralSpeller> speller = SpellerOf(text, numeralBase, value);
  if (!speller) return NumeralError::TooBig;
  return speller->Spell(value);
}

std::vector<TextSpan> NumeralSignSpans(QStringView text) {
  int64_t value = 0;
  std::optional<NumeralSpeller> speller = SpellerOf(text, 0, value);
  if (!speller) return {};
  speller->Spell(value);
  return speller->Spans();
}
