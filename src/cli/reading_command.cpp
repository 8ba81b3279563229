#include "cli/reading_command.h"

#include "cli/argument_list.h"
#include "convert/kanji_reading.h"

const char* const kReadingUsage =
    "Usage: tovaro-cli reading [--] TEXT...\n"
    "\n"
    "Prints, one line per TEXT, the reading the program takes for it in half-width\n"
    "katakana, as the Japanese word box does for a word committed without its kana:\n"
    "kanji are read with MeCab's IPA dictionary, kana and romaji are taken as they are\n"
    "(narrowed). A TEXT the dictionary cannot read prints\n"
    "'Error: no reading for <TEXT>' in its place.\n"
    "Exit status: 0 when every TEXT was read, 1 otherwise, 2 for wrong usage.\n";

int RunReadingCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kReadingUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, {}, &error);
  if (parsed && parsed->positional.isEmpty()) error = QStringLiteral("no TEXT given");
  if (!error.isEmpty()) {
    streams.err << "tovaro-cli reading: " << error << "\n" << kReadingUsage;
    return kExitUsage;
  }

  const KanjiReader reader;
  if (!reader.IsAvailable())
    streams.err << "tovaro-cli reading: the reading dictionary did not open: "
                << reader.Problem() << "\n";
  int status = kExitSuccess;
  for (const QString& text : parsed->positional) {
    if (const auto reading = reader.Reading(text)) {
      streams.out << *reading << "\n";
    } else {
      streams.out << "Error: no reading for " << text << "\n";
      status = kExitFailure;
    }
  }
  return status;
}
