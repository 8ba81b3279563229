#include "convert/hangul_romanization.h"

#include <span>
#include <string_view>

namespace {

struct Spelling {
  std::u16string_view text;
  int index;
};

// Each list is ordered longest first, so the first match is the longest.
constexpr Spelling kInitials[] = {
    {u"Kk", 1}, {u"Gg", 1}, {u"Tt", 4}, {u"Pp", 8}, {u"Ss", 10}, {u"Jj", 13}, {u"Ch", 14},
    {u"G", 0},  {u"N", 2},  {u"D", 3},  {u"R", 5},  {u"L", 5},   {u"M", 6},   {u"B", 7},
    {u"S", 9},  {u"J", 12}, {u"K", 15}, {u"T", 16}, {u"P", 17},  {u"H", 18},
};

constexpr Spelling kVowels[] = {
    {u"yae", 3}, {u"yeo", 6}, {u"wae", 10},
    {u"ae", 1},  {u"ya", 2},  {u"eo", 4},   {u"ye", 7},  {u"wa", 9},  {u"oe", 11}, {u"yo", 12},
    {u"wo", 14}, {u"we", 15}, {u"wi", 16},  {u"yu", 17}, {u"eu", 18}, {u"ui", 19},
    {u"a", 0},   {u"e", 5},   {u"o", 8},    {u"u", 13},  {u"i", 20},
};

// A lone r is not a final.
constexpr Spelling kFinals[] = {
    {u"kk", 2},  {u"gg", 2},  {u"gs", 3},  {u"nj", 5},  {u"nh", 6},  {u"lg", 9},  {u"rg", 9},
    {u"lm", 10}, {u"rm", 10}, {u"lb", 11}, {u"rb", 11}, {u"ls", 12}, {u"rs", 12}, {u"lt", 13},
    {u"rt", 13}, {u"lp", 14}, {u"rp", 14}, {u"lh", 15}, {u"rh", 15}, {u"bs", 18}, {u"ss", 20},
    {u"ng", 21}, {u"ch", 23},
    {u"g", 1},   {u"n", 4},   {u"d", 7},   {u"l", 8},   {u"m", 16},  {u"b", 17},  {u"s", 19},
    {u"j", 22},  {u"k", 24},  {u"t", 25},  {u"p", 26},  {u"h", 27},
};

constexpr int kSilentInitial = 11;  // ㅇ

bool IsCapital(QChar c) { return c >= u'A' && c <= u'Z'; }

class HangulParser {
 public:
  explicit HangulParser(QStringView text) : text_(text) {}

  std::optional<std::vector<HangulSyllable>> Run() {
    std::vector<HangulSyllable> syllables;
    while (p_ < text_.size()) {
      const std::optional<HangulSyllable> syllable = Syllable();
      if (!syllable) return std::nullopt;
      syllables.push_back(*syllable);
    }
    return syllables;
  }

 private:
  // The longest spelling of `list` at p_, as it is or with its first letter in
  // capitals; p_ moves past it.
  std::optional<int> Take(std::span<const Spelling> list, bool capitalFirst = false) {
    for (const Spelling& s : list) {
      const auto length = static_cast<qsizetype>(s.text.size());
      if (p_ + length > text_.size()) continue;
      bool same = true;
      for (qsizetype i = 0; i < length && same; ++i) {
        char16_t wanted = s.text[static_cast<size_t>(i)];
        if (i == 0 && capitalFirst) wanted = static_cast<char16_t>(wanted - 32);
        same = text_[p_ + i].unicode() == wanted;
      }
      if (same) {
        p_ += length;
        return s.index;
      }
    }
    return std::nullopt;
  }

  std::optional<HangulSyllable> Syllable() {
    HangulSyllable s;
    if (const auto initial = Take(kInitials)) {
      s.Initial = *initial;
      const auto vowel = Take(kVowels);
      if (!vowel) return std::nullopt;
      s.Vowel = *vowel;
    } else if (const auto vowel = Take(kVowels, true)) {
      s.Initial = kSilentInitial;
      s.Vowel = *vowel;
      // A vowel spelled right after it takes its place (Aa is 아).
      if (const auto next = Take(kVowels)) s.Vowel = *next;
    } else {
      return std::nullopt;
    }
    // The syllable ends at the next capital or at the end of the text.
    if (p_ >= text_.size() || IsCapital(text_[p_])) return s;
    const auto final = Take(kFinals);
    if (!final) return std::nullopt;
    s.Final = *final;
    return s;
  }

  QStringView text_;
  qsizetype p_ = 0;
};

}  // namespace

std::optional<std::vector<HangulSyllable>> ParseRomanizedHangul(QStringView text) {
  return HangulParser(text).Run();
}
