// Any bytes as a word list in each of the three formats. A list the reader takes must
// survive a save: written and read again it is the same list, so opening a list in an
// editor and saving it loses no word.
#include "signdata/word_list_file.h"
#include "base/text_decoding.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      DecodeTextFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const WordListFormat format : {WordListFormat::Plain, WordListFormat::Reading, WordListFormat::Html}) {
    const WordListLoad first = ParseWordList(text, format);
    if (!first.ok) {
      if (first.reason.isEmpty()) std::abort();
      continue;
    }
    if (format == WordListFormat::Reading && first.list.Written.size() != first.list.Words.size()) std::abort();
    const WordListLoad second = ParseWordList(FormatWordList(first.list, format), format);
    if (!second.ok || second.list != first.list) std::abort();
  }
  return 0;
}
