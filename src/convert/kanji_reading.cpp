#include "convert/kanji_reading.h"

#include "convert/typed_text_normalization.h"

#include <QCoreApplication>
#include <QStringList>

#include <mecab.h>

namespace {

// Of the features of an IPA dictionary entry (part of speech ×4, conjugation ×2, base
// form, reading, pronunciation), the reading.
constexpr qsizetype kReadingField = 7;

bool IsSingleByte(QChar c) {
  const char16_t u = c.unicode();
  return u <= 0xFF || (u >= 0xFF61 && u <= 0xFF9F);
}

}  // namespace

KanjiReader::KanjiReader() {
  // The system's mecabrc names the dictionary (mecab-ipadic-utf8 on Debian).
  model_.reset(MeCab::createModel(""));
  if (!model_) problem_ = QString::fromUtf8(MeCab::getLastError());
}

KanjiReader::~KanjiReader() = default;

std::optional<QString> KanjiReader::Reading(const QString& text) const {
  if (const auto direct = SingleByteForm(text)) return direct;
  if (!model_) return std::nullopt;

  const std::unique_ptr<MeCab::Tagger> tagger(model_->createTagger());
  const std::unique_ptr<MeCab::Lattice> lattice(model_->createLattice());
  if (!tagger || !lattice) return std::nullopt;
  const QByteArray utf8 = text.toUtf8();
  lattice->set_sentence(utf8.constData(), static_cast<size_t>(utf8.size()));
  if (!tagger->parse(lattice.get())) return std::nullopt;

  QString reading;
  for (const MeCab::Node* node = lattice->bos_node(); node; node = node->next) {
    if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) continue;
    const QString surface = QString::fromUtf8(node->surface, node->length);
    const QStringList features = QString::fromUtf8(node->feature).split(u',');
    if (features.size() > kReadingField && features[kReadingField] != u"*") {
      reading += features[kReadingField];
    } else if (const auto direct = SingleByteForm(surface)) {
      reading += *direct;
    } else {
      return std::nullopt;
    }
  }
  // A reading with a kana that has no half-width form keeps that kana wide.
  return SingleByteForm(reading).value_or(HalfWidthKatakana(reading));
}

std::optional<QString> SingleByteForm(const QString& text) {
  const QString narrowed = HalfWidthKatakana(NormalizeTypedText(text, SystemId::Numerals, false));
  for (QChar c : narrowed)
    if (!IsSingleByte(c)) return std::nullopt;
  return narrowed;
}

QString NoReadingMessage(const QString& text) {
  return QCoreApplication::translate("Messages", "No reading for %1; type it in kana").arg(text);
}
