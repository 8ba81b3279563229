#include "convert/typed_text_normalization.h"

#include <QCoreApplication>

#include <array>
#include <memory>
#include <string_view>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace {

// ICU builds a transliterator from its rules once; using it does not change it.
std::unique_ptr<const icu::Transliterator> MakeTransliterator(const char16_t* id) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<const icu::Transliterator> made(icu::Transliterator::createInstance(
      icu::UnicodeString(id), UTRANS_FORWARD, status));
  if (U_FAILURE(status)) return nullptr;
  return made;
}

QString Transliterate(const icu::Transliterator* transliterator, const QString& text) {
  if (!transliterator || text.isEmpty()) return text;
  icu::UnicodeString buffer(reinterpret_cast<const UChar*>(text.utf16()),
                            static_cast<int32_t>(text.size()));
  transliterator->transliterate(buffer);
  return QString(reinterpret_cast<const QChar*>(buffer.getBuffer()), buffer.length());
}

// The full-width forms of ASCII and the ideographic space.
QString AsciiFromFullWidth(const QString& text) {
  static const auto transliterator =
      MakeTransliterator(u"[\\u3000\\uFF01-\\uFF5E] Fullwidth-Halfwidth");
  return Transliterate(transliterator.get(), text);
}

QString FoldedLatin(const QString& text) {
  static const auto transliterator = MakeTransliterator(u"[:Latin:] Latin-ASCII");
  return Transliterate(transliterator.get(), text);
}

bool IsLowerAscii(QChar c) { return c >= u'a' && c <= u'z'; }
bool IsUpperAscii(QChar c) { return c >= u'A' && c <= u'Z'; }

// The vowels of the Revised Romanization, longest first.
constexpr std::array<std::u16string_view, 21> kVowels = {
    u"yae", u"yeo", u"wae", u"ae", u"ya", u"eo", u"ye", u"wa", u"oe", u"yo", u"wo",
    u"we",  u"wi",  u"yu",  u"eu", u"ui", u"a",  u"e",  u"o",  u"u",  u"i"};

// Initial consonants of two letters; every single consonant letter is one too.
constexpr std::array<std::u16string_view, 7> kDoubleInitials = {u"kk", u"gg", u"tt", u"pp",
                                                                u"ss", u"jj", u"ch"};

qsizetype VowelLengthAt(QStringView text, qsizetype at) {
  for (std::u16string_view vowel : kVowels) {
    const auto length = static_cast<qsizetype>(vowel.size());
    if (at + length <= text.size() &&
        text.mid(at, length) == QStringView(vowel.data(), length))
      return length;
  }
  return 0;
}

// Of the consonants between two vowels: where the next syllable's initial begins.
qsizetype InitialStart(QStringView consonants) {
  if (consonants.startsWith(u"ng")) return 2;
  if (consonants.size() >= 2) {
    const QStringView lastTwo = consonants.right(2);
    for (std::u16string_view initial : kDoubleInitials)
      if (lastTwo == QStringView(initial.data(), 2)) return consonants.size() - 2;
  }
  return consonants.isEmpty() ? 0 : consonants.size() - 1;
}

QString Capitalised(QString syllable) {
  if (!syllable.isEmpty()) syllable[0] = syllable[0].toUpper();
  return syllable;
}

QString SplitLowerCaseRun(QStringView run) {
  // The run alternates consonant clusters and vowels: C0 V1 C1 V2 ... Vn Cn.
  QStringList clusters{QString()};
  QStringList vowels;
  for (qsizetype at = 0; at < run.size();) {
    if (const qsizetype length = VowelLengthAt(run, at)) {
      vowels << run.mid(at, length).toString();
      clusters << QString();
      at += length;
    } else {
      clusters.last() += run[at];
      ++at;
    }
  }
  if (vowels.isEmpty()) return run.toString();

  QString result;
  QString initial = clusters.first();
  for (qsizetype v = 0; v < vowels.size(); ++v) {
    const QString& after = clusters[v + 1];
    const bool last = v + 1 == vowels.size();
    const qsizetype split = last ? after.size() : InitialStart(after);
    result += Capitalised(initial + vowels[v] + after.left(split));
    initial = after.mid(split);
  }
  return result;
}

}  // namespace

QString HalfWidthKatakana(const QString& text) {
  static const auto transliterator = MakeTransliterator(
      u"[\\u3000-\\u30FF\\uFF01-\\uFF5E] ; Hiragana-Katakana ; Fullwidth-Halfwidth");
  return Transliterate(transliterator.get(), text);
}

QString CapitalisedKoreanSyllables(const QString& text) {
  for (QChar c : text)
    if (IsUpperAscii(c)) return text;
  QString result;
  for (qsizetype at = 0; at < text.size();) {
    qsizetype end = at;
    while (end < text.size() && IsLowerAscii(text[end])) ++end;
    if (end == at) {
      result += text[at++];
      continue;
    }
    result += SplitLowerCaseRun(QStringView(text).mid(at, end - at));
    at = end;
  }
  return result;
}

QString NormalizeTypedText(const QString& text, SystemId system, bool romanized) {
  QString normalized = AsciiFromFullWidth(text);
  if (IsAlphabetSystem(system)) return FoldedLatin(normalized);
  if (system == SystemId::JapaneseKana && !romanized) return HalfWidthKatakana(normalized);
  if (system == SystemId::KoreanHangul && romanized) return CapitalisedKoreanSyllables(normalized);
  return normalized;
}

QStringList UnspelledCharacters(const QString& text) {
  QStringList skipped;
  for (qsizetype at = 0; at < text.size(); ++at) {
    const QChar c = text[at];
    if (IsLowerAscii(c) || IsUpperAscii(c) || c.isSpace()) continue;
    // A character outside the basic plane counts as one.
    const qsizetype length = c.isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(at, length);
    at += length - 1;
    if (!skipped.contains(character)) skipped << character;
  }
  return skipped;
}

QString UnspelledStatus(const QString& text) {
  const QStringList skipped = UnspelledCharacters(text);
  if (skipped.isEmpty()) return {};
  return QCoreApplication::translate("Messages", "Not spelled: %1").arg(skipped.join(u' '));
}
