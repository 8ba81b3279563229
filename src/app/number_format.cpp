#include "app/number_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

QString ShortestFloatText(float value) {
  if (value == 0.0f) return QStringLiteral("0");  // also for -0
  if (std::isnan(value)) return QStringLiteral("NaN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");

  // The fewest significant digits that read back as the same float, seven at most.
  char buffer[48];
  int digits = 1;
  for (; digits < 7; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*E", digits - 1, static_cast<double>(value));
    if (std::strtof(buffer, nullptr) == value) break;
  }
  std::snprintf(buffer, sizeof buffer, "%.*E", digits - 1, static_cast<double>(value));
  const int exponent = std::atoi(std::strchr(buffer, 'E') + 1);

  // Plain notation for ordinary magnitudes, whatever the digit count, so that 100 is
  // "100" and not "1E+02"; exponent notation ("1E+07", "1.5E-07") for the rest.
  if (exponent >= -4 && exponent < 7) {
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, digits - 1 - exponent),
                  static_cast<double>(value));
  }
  return QString::fromLatin1(buffer);
}

QString FreeNumberForm(float value) {
  const QString text = ShortestFloatText(value);
  return (text.startsWith(u'-') ? text : u' ' + text) + u' ';
}
