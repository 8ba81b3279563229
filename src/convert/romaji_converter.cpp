#include "convert/romaji_converter.h"

#include "convert/kana_signs.h"

#include <array>
#include <string_view>

namespace {

// Kana of a consonant spelling followed by a, i, u, e, o.
struct SyllableRow {
  std::u16string_view spelling;
  std::array<std::u16string_view, 5> kana;
};

constexpr SyllableRow kSyllables[] = {
    {u"k", {u"ｶ", u"ｷ", u"ｸ", u"ｹ", u"ｺ"}},
    {u"ky", {u"ｷｬ", u"ｷｨ", u"ｷｭ", u"ｷｪ", u"ｷｮ"}},
    {u"s", {u"ｻ", u"ｼ", u"ｽ", u"ｾ", u"ｿ"}},
    {u"sh", {u"ｼｬ", u"ｼ", u"ｼｭ", u"ｼｪ", u"ｼｮ"}},
    {u"sy", {u"ｼｬ", u"ｼｨ", u"ｼｭ", u"ｼｪ", u"ｼｮ"}},
    {u"t", {u"ﾀ", u"ﾁ", u"ﾂ", u"ﾃ", u"ﾄ"}},
    {u"ts", {u"ﾂｧ", u"ﾂｨ", u"ﾂ", u"ﾂｪ", u"ﾂｫ"}},
    {u"ch", {u"ﾁｬ", u"ﾁ", u"ﾁｭ", u"ﾁｪ", u"ﾁｮ"}},
    {u"c", {u"ｶ", u"ｼ", u"ｸ", u"ｾ", u"ｺ"}},
    {u"n", {u"ﾅ", u"ﾆ", u"ﾇ", u"ﾈ", u"ﾉ"}},
    {u"ny", {u"ﾆｬ", u"ﾆｨ", u"ﾆｭ", u"ﾆｪ", u"ﾆｮ"}},
    {u"h", {u"ﾊ", u"ﾋ", u"ﾌ", u"ﾍ", u"ﾎ"}},
    {u"hy", {u"ﾋｬ", u"ﾋｨ", u"ﾋｭ", u"ﾋｪ", u"ﾋｮ"}},
    {u"f", {u"ﾌｧ", u"ﾌｨ", u"ﾌ", u"ﾌｪ", u"ﾌｫ"}},
    {u"fy", {u"ﾌｬ", u"ﾌｨ", u"ﾌｭ", u"ﾌｪ", u"ﾌｮ"}},
    {u"m", {u"ﾏ", u"ﾐ", u"ﾑ", u"ﾒ", u"ﾓ"}},
    {u"my", {u"ﾐｬ", u"ﾐｨ", u"ﾐｭ", u"ﾐｪ", u"ﾐｮ"}},
    {u"y", {u"ﾔ", u"ｲ", u"ﾕ", u"ｲｪ", u"ﾖ"}},
    {u"r", {u"ﾗ", u"ﾘ", u"ﾙ", u"ﾚ", u"ﾛ"}},
    {u"ry", {u"ﾘｬ", u"ﾘｨ", u"ﾘｭ", u"ﾘｪ", u"ﾘｮ"}},
    {u"w", {u"ﾜ", u"ｳｨ", u"ｳ", u"ｳｪ", u"ｦ"}},
    {u"g", {u"ｶﾞ", u"ｷﾞ", u"ｸﾞ", u"ｹﾞ", u"ｺﾞ"}},
    {u"gy", {u"ｷﾞｬ", u"ｷﾞｨ", u"ｷﾞｭ", u"ｷﾞｪ", u"ｷﾞｮ"}},
    {u"z", {u"ｻﾞ", u"ｼﾞ", u"ｽﾞ", u"ｾﾞ", u"ｿﾞ"}},
    {u"zy", {u"ｼﾞｬ", u"ｼﾞｨ", u"ｼﾞｭ", u"ｼﾞｪ", u"ｼﾞｮ"}},
    {u"j", {u"ｼﾞｬ", u"ｼﾞ", u"ｼﾞｭ", u"ｼﾞｪ", u"ｼﾞｮ"}},
    {u"jy", {u"ｼﾞｬ", u"ｼﾞｨ", u"ｼﾞｭ", u"ｼﾞｪ", u"ｼﾞｮ"}},
    {u"d", {u"ﾀﾞ", u"ﾁﾞ", u"ﾂﾞ", u"ﾃﾞ", u"ﾄﾞ"}},
    {u"dy", {u"ﾁﾞｬ", u"ﾁﾞｨ", u"ﾁﾞｭ", u"ﾁﾞｪ", u"ﾁﾞｮ"}},
    {u"b", {u"ﾊﾞ", u"ﾋﾞ", u"ﾌﾞ", u"ﾍﾞ", u"ﾎﾞ"}},
    {u"by", {u"ﾋﾞｬ", u"ﾋﾞｨ", u"ﾋﾞｭ", u"ﾋﾞｪ", u"ﾋﾞｮ"}},
    {u"p", {u"ﾊﾟ", u"ﾋﾟ", u"ﾌﾟ", u"ﾍﾟ", u"ﾎﾟ"}},
    {u"py", {u"ﾋﾟｬ", u"ﾋﾟｨ", u"ﾋﾟｭ", u"ﾋﾟｪ", u"ﾋﾟｮ"}},
};

constexpr std::u16string_view kVowels = u"aiueo";
constexpr std::u16string_view kVowelKana[] = {u"ｱ", u"ｲ", u"ｳ", u"ｴ", u"ｵ"};
// Consonants whose doubling is read as a small tsu; n is not among them.
constexpr std::u16string_view kDoublingConsonants = u"bcdfghjkmprstwyz";

constexpr char16_t kSyllabicN[] = u"ﾝ";
constexpr char16_t kSmallTsu[] = u"ｯ";

// Position of a vowel in a i u e o, or -1.
int VowelIndex(char16_t c) {
  const size_t at = kVowels.find(c);
  return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

class RomajiScanner {
 public:
  explicit RomajiScanner(QStringView text) : text_(text) {}

  std::optional<std::vector<uint16_t>> Run() {
    while (p_ < text_.size()) {
      if (!Step()) return std::nullopt;
    }
    return std::move(values_);
  }

 private:
  char16_t At(qsizetype i) const { return i < text_.size() ? text_[i].unicode() : u'\0'; }

  void Emit(std::u16string_view kana) {
    for (const char16_t c : kana) values_.push_back(CodePageKanaValue(QChar(c)));
  }

  // One item at p_: a vowel, an n, a small tsu, a syllable or a mark.
  bool Step() {
    const char16_t c = At(p_);
    if (const int vowel = VowelIndex(c); vowel >= 0) {
      Emit(kVowelKana[vowel]);
      ++p_;
      return true;
    }
    if (c == u'n') {
      const char16_t next = At(p_ + 1);
      const bool startsSyllable =
          VowelIndex(next) >= 0 || (next == u'y' && VowelIndex(At(p_ + 2)) >= 0);
      if (!startsSyllable) {
        Emit(kSyllabicN);
        p_ += next == u'\'' ? 2 : 1;
        return true;
      }
      return Syllable();
    }
    if (kDoublingConsonants.find(c) != std::u16string_view::npos && At(p_ + 1) == c) {
      // Only the first letter is consumed: the second starts the next syllable.
      Emit(kSmallTsu);
      ++p_;
      return true;
    }
    if (Syllable()) return true;
    switch (c) {
      case u'-': Emit(u"ｰ"); break;
      case u'.': Emit(u"｡"); break;
      case u'､': Emit(u"､"); break;
      case u' ': values_.push_back(u' '); break;
      default: return false;
    }
    ++p_;
    return true;
  }

  // A consonant spelling of two letters, or else one, followed by a vowel.
  bool Syllable() {
    for (const qsizetype length : {2, 1}) {
      const int vowel = VowelIndex(At(p_ + length));
      if (vowel < 0) continue;
      const QStringView spelling = text_.mid(p_, length);
      for (const SyllableRow& row : kSyllables) {
        if (spelling == QStringView(row.spelling.data(), row.spelling.size())) {
          Emit(row.kana[vowel]);
          p_ += length + 1;
          return true;
        }
      }
    }
    return false;
  }

  QStringView text_;
  qsizetype p_ = 0;
  std::vector<uint16_t> values_;
};

}  // namespace

QString LowerRomaji(QStringView text) {
  QString lower = text.toString();
  for (QChar& c : lower)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  return lower;
}

std::optional<std::vector<uint16_t>> RomajiToCodePageKana(QStringView lowered) {
  return RomajiScanner(lowered).Run();
}
