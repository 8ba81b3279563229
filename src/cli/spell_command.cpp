#include "cli/spell_command.h"

#include "base/message_sink.h"
#include "cli/argument_list.h"
#include "playback/blank_drawing_area.h"
#include "convert/sign_class.h"
#include "playback/script_player.h"
#include "signdata/sign_table.h"
#include "convert/text_playback.h"
#include "convert/typed_text_normalization.h"
#include "playback/playback_engine.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

const char* const kSpellUsage =
    "Usage: tovaro-cli spell --system S [--numeral-base B] [--roman] [--normalize]\n"
    "                       [--] TEXT...\n"
    "\n"
    "Converts each TEXT in order with one sign front end set to system S (0 BSL,\n"
    "1 Indonesian, 2 ASL, 3 derived ASL, 4 JSL, 5 KSL, 6 numerals); what a conversion\n"
    "leaves carries over to the next TEXT. NumeralBase is B (default 46). With --roman\n"
    "the TEXTs are romaji (system 4) or romanized Korean (system 5). With --normalize\n"
    "each TEXT is first normalised as the program does on Start (full-width to ASCII,\n"
    "kana to half-width katakana, accents folded for the alphabets, lower-case romanized\n"
    "Korean split into syllables) and the line adds \"normalized\": the text converted.\n"
    "After each TEXT prints one line of JSON:\n"
    "  {\"text\": ..., \"result\": true|false, \"count\": n, \"codes\": [[Code,Modifier],...],\n"
    "   \"messages\": [...]} with \"katakana\" (system 4) or \"hangul\" (system 5) added.\n"
    "Exit status: 0, also when a conversion fails; 2 for wrong usage.\n";

namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest UTF-8.
std::string JsonString(const QString& text) {
  std::string json = "\"";
  for (const char c : text.toStdString()) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\r') {
      json += "\\r";
    } else if (c == '\t') {
      json += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string SpellLine(const QString& text, bool result,
                      const std::vector<QString>& messages, SystemId system, const SignClass& signs) {
  std::string line = "{\"text\": " + JsonString(text) + ", \"result\": " +
                     (result ? "true" : "false") +
                     ", \"count\": " + std::to_string(signs.Sequence().size()) + ", \"codes\": [";
  bool first = true;
  for (const SignStep& step : signs.Sequence()) {
    if (!first) line += ',';
    first = false;
    line += '[' + std::to_string(step.Code) + ',' + std::to_string(step.Modifier) + ']';
  }
  line += "], \"messages\": [";
  for (size_t i = 0; i < messages.size(); ++i) {
    if (i > 0) line += ", ";
    line += JsonString(messages[i]);
  }
  line += ']';
  if (system == SystemId::JapaneseKana) line += ", \"katakana\": " + JsonString(signs.KatakanaString());
  if (system == SystemId::KoreanHangul) line += ", \"hangul\": " + JsonString(signs.HangulString());
  return line + '}';
}

}  // namespace

int RunSpellCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kSpellUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed =
      ParseArguments(arguments, {{"--system", "--numeral-base"}, {"--roman", "--normalize"}}, &error);
  std::optional<SystemId> system;
  std::optional<int> numeralBase;
  if (parsed) {
    system = SystemFromNumber(ParseIntInRange(parsed->Value("--system"), 0, 6).value_or(-1));
    numeralBase = ParseIntInRange(parsed->Value("--numeral-base", "46"), 0, kSignSlots - 36);
    if (!system)
      error = QStringLiteral("--system must be 0 to 6");
    else if (!numeralBase)
      error = QStringLiteral("--numeral-base must be 0 to %1").arg(kSignSlots - 36);
    else if (parsed->flags.contains("--roman") && system != SystemId::JapaneseKana &&
             system != SystemId::KoreanHangul)
      error = QStringLiteral("--roman needs system 4 or 5");
    else if (parsed->positional.isEmpty())
      error = QStringLiteral("no TEXT given");
  }
  if (!error.isEmpty()) {
    streams.err << "tovaro-cli spell: " << error << "\n" << kSpellUsage;
    return kExitUsage;
  }

  // Spelling converts only; nothing is played.
  const SignTable table;
  BlankDrawingArea area;
  PlaybackEngine engine(table, area);
  ImmediatePlayer player(engine);
  SignClass signs(table, player);
  SelectSystem(signs, *system, static_cast<int16_t>(*numeralBase));
  const bool roman = parsed->flags.contains("--roman");
  const bool normalize = parsed->flags.contains("--normalize");
  for (const QString& text : parsed->positional) {
    const QString converted = normalize ? NormalizeTypedText(text, *system, roman) : text;
    const bool result = ConvertText(signs, converted, roman);
    std::vector<QString> messages;
    if (!result && !signs.Message().isEmpty()) messages.push_back(signs.Message());
    std::string line = SpellLine(text, result, messages, *system, signs);
    if (normalize) line.insert(line.size() - 1, ", \"normalized\": " + JsonString(converted));
    streams.out << line << "\n";
  }
  return kExitSuccess;
}
