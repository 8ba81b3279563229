#include "base/message_text.h"

namespace {

constexpr qsizetype kLongestQuote = 20;

}  // namespace

QString ShortenedForMessage(QStringView text) {
  if (text.size() <= kLongestQuote) return text.toString();
  qsizetype cut = kLongestQuote;
  // Never split a character written as a surrogate pair.
  if (text[cut - 1].isHighSurrogate()) --cut;
  return text.left(cut).toString() + QChar(0x2026);
}
