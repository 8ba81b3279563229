#include "cli/words_command.h"

#include "cli/argument_list.h"
#include "convert/word_spelling.h"
#include "signdata/word_list_file.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

const char* const kWordsUsage =
    "Usage: tovaro-cli words [--format plain|reading|html] [--check SYSTEM] FILE\n"
    "\n"
    "Reads a word list as the program does and prints one line of JSON per entry:\n"
    "  {\"word\": ...} with \"reading\" added for a reading-and-word list.\n"
    "Without --format the format follows the file name: \".html\" is HTML,\n"
    "\"JSLdefault.txt\" reading and word, any other plain lines.\n"
    "--check SYSTEM (0 BSL, 1 Indonesian, 2 ASL, 3 derived ASL, 4 JSL, 5 KSL) also spells\n"
    "each entry (a plain list for JSL as romaji) and adds \"spells\": true|false.\n"
    "Exit status: 0; 1 when the file cannot be read (\"Error <FILE>: <reason>\") or an\n"
    "entry cannot be spelled; 2 for wrong usage.\n";

namespace {

std::optional<WordListFormat> FormatNamed(const QString& name) {
  if (name == u"plain") return WordListFormat::Plain;
  if (name == u"reading") return WordListFormat::Reading;
  if (name == u"html") return WordListFormat::Html;
  return std::nullopt;
}

}  // namespace

int RunWordsCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kWordsUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, {{"--format", "--check"}, {}}, &error);
  std::optional<WordListFormat> format;
  std::optional<SystemId> system;
  if (parsed) {
    if (parsed->positional.size() != 1) error = QStringLiteral("give one FILE");
    if (parsed->Has("--format")) {
      format = FormatNamed(parsed->Value("--format"));
      if (!format) error = QStringLiteral("--format must be plain, reading or html");
    }
    if (parsed->Has("--check")) {
      system = ChoosableSystemFromNumber(ParseIntInRange(parsed->Value("--check"), 0, 5).value_or(-1));
      if (!system) error = QStringLiteral("--check must be 0 to 5");
    }
  }
  if (!error.isEmpty()) {
    streams.err << "tovaro-cli words: " << error << "\n" << kWordsUsage;
    return kExitUsage;
  }

  const QString path = parsed->positional.first();
  if (!format) format = FormatOfWordListFile(path);
  const WordListLoad load = LoadWordListFile(path, *format);
  if (!load.ok) {
    streams.err << "Error " << path << ": " << load.reason << "\n";
    return kExitFailure;
  }
  const ListSpelling spelling = system == SystemId::JapaneseKana && *format == WordListFormat::Plain
                                    ? ListSpelling::Romaji
                                    : ListSpelling::Text;
  int unspelled = 0;
  for (int i = 0; i < load.list.Count(); ++i) {
    QJsonObject entry;
    if (*format == WordListFormat::Reading) {
      entry.insert(QStringLiteral("word"), load.list.Written.value(i));
      entry.insert(QStringLiteral("reading"), load.list.Words[i]);
    } else {
      entry.insert(QStringLiteral("word"), load.list.Words[i]);
    }
    if (system) {
      const bool spells =
          SignCodesOfWord(load.list.Words[i], *system, spelling).has_value();
      if (!spells) ++unspelled;
      entry.insert(QStringLiteral("spells"), spells);
    }
    streams.out << QString::fromUtf8(QJsonDocument(entry).toJson(QJsonDocument::Compact)) << "\n";
  }
  if (unspelled > 0) {
    streams.err << unspelled << " of " << load.list.Count() << " entries cannot be spelled in system "
                << SystemNumber(*system) << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
