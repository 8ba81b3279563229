#include "convert/alpha_class.h"

namespace {

constexpr int16_t kAslT = 27;

QString AsciiUpper(const QString& text) {
  QString upper = text;
  for (QChar& c : upper)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return upper;
}

}  // namespace

bool AlphaClass::Text(const QString& text) {
  text_ = text;
  AlphabetCodeGenerate();
  return result_;
}

void AlphaClass::AlphabetCodeGenerate() {
  text_ = AsciiUpper(text_);

  SignSequence steps;
  for (QChar c : text_) {
    if (c < u'A' || c > u'Z') continue;
    int16_t code = static_cast<int16_t>(c.unicode() - 64);
    if (code == 20 && aslT_) code = kAslT;
    steps.push_back({code, 0});
  }
  // Downwards, so a run of three or more ends with 16 on the first and 128 on the rest.
  for (size_t j = steps.size(); j-- > 1;) {
    if (steps[j - 1].Code == steps[j].Code) {
      steps[j - 1].Modifier = kDoubledFirst;
      steps[j].Modifier = kDoubledSecond;
    }
  }
  sequence_ = std::move(steps);
  result_ = true;
}
