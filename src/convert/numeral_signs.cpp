#include "convert/numeral_signs.h"

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

class NumeralSpeller {
 public:
  explicit NumeralSpeller(int base) : base_(base) {}

  std::vector<SignStep> Spell(int64_t value) {
    if (value == 0) {
      Append(kZero);
      return steps_;
    }
    const int64_t hundredMillions = value / 100'000'000;
    const int64_t tenThousands = (value % 100'000'000) / 10'000;
    const int64_t rest = value % 10'000;
    if (hundredMillions != 0) {
      Group(static_cast<int>(hundredMillions));
      Append(kHundredMillion);
    }
    if (tenThousands != 0) {
      Group(static_cast<int>(tenThousands));
      Append(kTenThousand);
    }
    if (rest != 0) Group(static_cast<int>(rest));
    return steps_;
  }

 private:
  void Append(int k, int16_t modifier = 0) {
    steps_.push_back({static_cast<int16_t>(base_ + k), modifier});
  }

  // One group 1..9999; zero digits have no sign.
  void Group(int g) {
    const int thousands = g / 1000;
    const int hundreds = g / 100 % 10;
    const int tens = g / 10 % 10;
    const int units = g % 10;
    if (thousands != 0)
      Append(thousands <= 5 ? kThousands + thousands : kUnits + thousands, kThousandsMove);
    if (hundreds != 0) Append(kHundreds + hundreds);
    if (tens != 0) Append(kTens + tens);
    if (units != 0) Append(kUnits + units);
  }

  int base_;
  std::vector<SignStep> steps_;
};

}  // namespace

std::variant<std::vector<SignStep>, NumeralError> NumeralSigns(QStringView text, int numeralBase) {
  for (const QChar c : text)
    if (c < u'0' || c > u'9') return NumeralError::NotADigit;

  // Leading zeros do not count, so any number of them is fine.
  qsizetype first = 0;
  while (first < text.size() && text[first] == u'0') ++first;
  if (text.size() - first > kMostDigits) return NumeralError::TooBig;

  int64_t value = 0;
  for (qsizetype i = first; i < text.size(); ++i) value = value * 10 + (text[i].unicode() - u'0');
  return NumeralSpeller(numeralBase).Spell(value);
}
