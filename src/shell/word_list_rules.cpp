#include "shell/word_list_rules.h"

#include "convert/typed_text_normalization.h"
#include "shell/start_flow.h"

#include <QCoreApplication>
#include <QHash>

namespace {

bool HoldsSeparator(const QString& word) {
  return word.contains(u',') || word.contains(u'"') || word.contains(u'\n') || word.contains(u'\r');
}

// The half-width forms of the full-width katakana: U+FF61..U+FF9F decomposed
// compatibly give the full-width form, and with the voiced marks the voiced kana.
const QHash<char16_t, QString>& HalfWidthForms() {
  static const QHash<char16_t, QString> forms = [] {
    QHash<char16_t, QString> table;
    for (char16_t half = 0xFF61; half <= 0xFF9F; ++half) {
      const QString one(QChar{half});
      const QString full = one.normalized(QString::NormalizationForm_KC);
      if (full.size() == 1 && !table.contains(full[0].unicode())) table.insert(full[0].unicode(), one);
      for (const char16_t mark : {char16_t(0xFF9E), char16_t(0xFF9F)}) {
        const QString pair = one + QChar{mark};
        const QString voiced = pair.normalized(QString::NormalizationForm_KC);
        if (voiced.size() == 1) table.insert(voiced[0].unicode(), pair);
      }
    }
    // The combining marks and the spacing marks of the full-width form.
    table.insert(0x3099, QString(QChar{0xFF9E}));
    table.insert(0x309A, QString(QChar{0xFF9F}));
    table.insert(0x309B, QString(QChar{0xFF9E}));
    table.insert(0x309C, QString(QChar{0xFF9F}));
    return table;
  }();
  return forms;
}

}  // namespace

WordListSource WordListOfSystem(SystemId system, KanaInput kanaInput) {
  switch (system) {
    case SystemId::IndonesianTwoHanded:
      return {QStringLiteral("INAdefault.txt"), WordListFormat::Plain, false, ListSpelling::Text};
    case SystemId::JapaneseKana:
      if (kanaInput == KanaInput::Japanese)
        return {QStringLiteral("JSLdefault.txt"), WordListFormat::Reading, true, ListSpelling::Text};
      return {QStringLiteral("RomajiDefault.txt"), WordListFormat::Plain, false, ListSpelling::Romaji};
    case SystemId::KoreanHangul:
      return {QStringLiteral("KSLdefault.html"), WordListFormat::Html, false, ListSpelling::Text};
    case SystemId::BritishTwoHanded:
    case SystemId::American:
    case SystemId::DerivedAmerican:
    case SystemId::Numerals: break;
  }
  return {QStringLiteral("ENGdefault.txt"), WordListFormat::Plain, false, ListSpelling::Text};
}

QString HalfWidthKatakanaOf(const QString& text) {
  const QHash<char16_t, QString>& forms = HalfWidthForms();
  QString half;
  for (QChar c : text) {
    char16_t unit = c.unicode();
    // Hiragana stand 0x60 below their katakana.
    if (unit >= 0x3041 && unit <= 0x3096) unit = static_cast<char16_t>(unit + 0x60);
    const auto form = forms.constFind(unit);
    half += form != forms.constEnd() ? *form : QString(QChar{unit});
  }
  return half;
}

QString AlreadyInListMessage(const QString& word) {
  return QCoreApplication::translate("Messages", "\"%1\" is already in the list").arg(word);
}

bool ListHolds(const QStringList& words, const QString& word) { return words.contains(word, Qt::CaseInsensitive); }

ListWordCheck CheckListWord(const QString& typed, SystemId system, ListSpelling spelling) {
  ListWordCheck check;
  check.word = NormalizeTypedText(typed.trimmed(), system, false);
  if (check.word.isEmpty()) return check;
  if (HoldsSeparator(check.word)) {
    check.message = kWordSeparatorMessage;
  } else if (!SignCodesOfWord(check.word, system, spelling)) {
    check.message = kUnsupportedTextMessage;
  } else {
    check.ok = true;
  }
  return check;
}

ReadingWordCheck CheckReadingWord(const QString& reading, const QString& written) {
  ReadingWordCheck check;
  check.reading = HalfWidthKatakanaOf(reading.trimmed());
  check.written = written.trimmed();
  if (check.reading.isEmpty() || check.written.isEmpty()) return check;
  if (HoldsSeparator(check.reading) || HoldsSeparator(check.written)) {
    check.message = kWordSeparatorMessage;
  } else if (!SignCodesOfWord(check.reading, SystemId::JapaneseKana, ListSpelling::Text)) {
    check.message = kUnsupportedTextMessage;
  } else {
    check.ok = true;
  }
  return check;
}

WordImport ImportWords(const QString& text, const WordListSource& source, SystemId system,
                       const WordList& existing) {
  WordImport import;
  const auto known = [&](const QString& word) {
    return ListHolds(existing.Words, word) || ListHolds(import.added.Words, word);
  };
  const QStringList lines = QString(text).remove(u'\r').split(u'\n');
  for (int n = 0; n < lines.size(); ++n) {
    const QString line = lines[n].trimmed();
    if (line.isEmpty()) continue;
    if (source.ReadingEditor) {
      const qsizetype comma = line.indexOf(u',');
      const QString reading = comma < 0 ? line : line.left(comma);
      const QString written = comma < 0 ? QString() : line.mid(comma + 1);
      const ReadingWordCheck check = CheckReadingWord(reading, written);
      const bool twice = check.ok && [&] {
        for (int i = 0; i < existing.Count(); ++i)
          if (existing.Words[i] == check.reading && existing.Written.value(i) == check.written) return true;
        for (int i = 0; i < import.added.Count(); ++i)
          if (import.added.Words[i] == check.reading && import.added.Written[i] == check.written) return true;
        return false;
      }();
      if (twice) {
        import.refused.push_back({n + 1, line, QCoreApplication::translate("Messages", "already in the list")});
      } else if (check.ok) {
        import.added.Words << check.reading;
        import.added.Written << check.written;
      } else {
        import.refused.push_back({n + 1, line,
                                  check.message.isEmpty()
                                      ? QCoreApplication::translate("Messages", "a line must hold a reading, a comma and the word")
                                      : check.message});
      }
    } else {
      const ListWordCheck check = CheckListWord(line, system, source.Spelling);
      if (check.ok && known(check.word)) {
        import.refused.push_back({n + 1, line, QCoreApplication::translate("Messages", "already in the list")});
      } else if (check.ok) {
        import.added.Words << check.word;
        if (check.word != line) import.changed.push_back({n + 1, line, check.word});
      } else {
        import.refused.push_back({n + 1, line, check.message});
      }
    }
  }
  return import;
}

QString ImportReportText(const WordImport& import) {
  const int added = import.added.Count();
  QString text = added == 1 ? QCoreApplication::translate("Messages", "1 word added.") : QCoreApplication::translate("Messages", "%1 words added.").arg(added);
  constexpr size_t kShownLines = 20;
  if (added > 0) {
    const QStringList words = import.added.Written.isEmpty() ? import.added.Words : import.added.Written;
    text += QCoreApplication::translate("Messages", "\nAdded: ") + QStringList(words.mid(0, kShownLines)).join(QStringLiteral(", "));
    if (words.size() > static_cast<qsizetype>(kShownLines)) text += QStringLiteral(", ...");
  }
  for (size_t i = 0; i < import.changed.size() && i < kShownLines; ++i) {
    const ChangedLine& changed = import.changed[i];
    text += QCoreApplication::translate("Messages", "\nLine %1 \"%2\" added as \"%3\"").arg(changed.line).arg(changed.text, changed.stored);
  }
  if (import.refused.empty()) return text;
  text += QCoreApplication::translate("Messages", "\n%1 line(s) refused:").arg(import.refused.size());
  for (size_t i = 0; i < import.refused.size() && i < kShownLines; ++i) {
    const RefusedLine& refused = import.refused[i];
    text += QCoreApplication::translate("Messages", "\nLine %1 \"%2\": %3").arg(refused.line).arg(refused.text, refused.reason);
  }
  if (import.refused.size() > kShownLines)
    text += QCoreApplication::translate("Messages", "\n... and %1 more").arg(import.refused.size() - kShownLines);
  return text;
}

namespace {

// A word as a message can show it: a character that would show nothing, turn the
// line around or break it is named by its number instead.
QString VisibleText(const QString& word) {
  QString shown;
  for (const QChar c : word) {
    const QChar::Category category = c.category();
    const bool hidden = category == QChar::Other_Control || category == QChar::Other_Format ||
                        category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned ||
                        category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
    shown += hidden ? QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0')
                    : QString(c);
  }
  return shown;
}

}  // namespace

QString UnspellableEntriesText(const WordList& list, SystemId system, ListSpelling spelling) {
  QStringList unspellable;
  for (const QString& word : list.Words) {
    const auto codes = SignCodesOfWord(word, system, spelling);
    if (!codes || codes->empty()) unspellable << word;
  }
  if (unspellable.isEmpty()) return {};
  constexpr qsizetype kShownWords = 20;
  QString text = QCoreApplication::translate("Messages", "%1 word(s) of the list cannot be spelled and are never asked:").arg(unspellable.size());
  for (qsizetype i = 0; i < unspellable.size() && i < kShownWords; ++i)
    text += QStringLiteral("\n\"%1\"").arg(VisibleText(unspellable[i]));
  if (unspellable.size() > kShownWords) text += QCoreApplication::translate("Messages", "\n... and %1 more").arg(unspellable.size() - kShownWords);
  return text;
}
