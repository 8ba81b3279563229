#include "base/number_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The longest leading decimal number of the text with blanks removed, as ASCII;
// empty when there is none.
std::string LeadingNumber(QStringView text) {
  std::string compact;
  compact.reserve(text.size());
  for (QChar c : text) {
    if (IsBlank(c)) continue;
    if (c.unicode() > 0x7f) break;
    compact.push_back(static_cast<char>(c.unicode()));
  }

  size_t i = 0;
  const size_t n = compact.size();
  if (i < n && (compact[i] == '+' || compact[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(compact[i]))) { ++i; ++digits; }
  if (i < n && compact[i] == '.') {
    size_t j = i + 1;
    size_t fraction = 0;
    while (j < n && std::isdigit(static_cast<unsigned char>(compact[j]))) { ++j; ++fraction; }
    if (digits + fraction > 0) { i = j; digits += fraction; }
  }
  if (digits == 0) return {};
  // An exponent counts only when it has at least one digit.
  if (i < n && (compact[i] == 'e' || compact[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (compact[j] == '+' || compact[j] == '-')) ++j;
    if (j < n && std::isdigit(static_cast<unsigned char>(compact[j]))) {
      while (j < n && std::isdigit(static_cast<unsigned char>(compact[j]))) ++j;
      i = j;
    }
  }
  return compact.substr(0, i);
}

}  // namespace

double LenientNumber(QStringView text) {
  const std::string number = LeadingNumber(text);
  if (number.empty()) return 0.0;
  return std::strtod(number.c_str(), nullptr);
}

bool StartsWithNumber(QStringView text) { return !LeadingNumber(text).empty(); }

double RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  if (rest > 0.5) return down + 1.0;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::optional<int16_t> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

namespace {

// The shortest decimal digits that read back as the same value, rounded to at most
// maxDigits significant digits, in plain notation for exponents from -4 up to
// plainLimit - 1 and in exponent notation with at least two exponent digits otherwise.
template <typename Number>
QString ShortestText(Number value, int maxDigits, int plainLimit) {
  if (value == 0) return QStringLiteral("0");  // also for -0
  if (std::isnan(value)) return QStringLiteral("NaN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");

  char buffer[48];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  std::string_view scientific(buffer, result.ptr - buffer);
  std::string digits;
  for (char c : scientific.substr(0, scientific.find('e')))
    if (std::isdigit(static_cast<unsigned char>(c))) digits.push_back(c);
  if (digits.size() > static_cast<size_t>(maxDigits)) {
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                           maxDigits - 1);
    scientific = std::string_view(buffer, result.ptr - buffer);
    digits.clear();
    for (char c : scientific.substr(0, scientific.find('e')))
      if (std::isdigit(static_cast<unsigned char>(c))) digits.push_back(c);
  }
  // to_chars does not end the text with a NUL, so the exponent is parsed within it.
  std::string_view exponentText = scientific.substr(scientific.find('e') + 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent >= -4 && exponent < plainLimit) {
    // Plain notation for ordinary magnitudes: 100, 0.25, 0.0001.
    if (exponent >= 0) {
      const size_t whole = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        text += digits + std::string(whole - digits.size(), '0');
      } else {
        text += digits.substr(0, whole) + "." + digits.substr(whole);
      }
    } else {
      text += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    // Exponent notation with at least two exponent digits: 1E+07, 1.5E-07.
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += tail;
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString WithFreeNumberBlanks(const QString& text) {
  return (text.startsWith(u'-') ? text : u' ' + text) + u' ';
}

}  // namespace

QString ShortestFloatText(float value) { return ShortestText(value, 7, 7); }

QString ShortestDoubleText(double value) { return ShortestText(value, 15, 15); }

QString FreeNumberForm(float value) { return WithFreeNumberBlanks(ShortestFloatText(value)); }

QString FreeDoubleNumberForm(double value) { return WithFreeNumberBlanks(ShortestDoubleText(value)); }
