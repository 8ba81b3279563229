#include "cli/argument_list.h"

std::optional<ParsedArguments> ParseArguments(const QStringList& arguments, const OptionSpec& spec,
                                              QString* error) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnded || !argument.startsWith(u"--") || argument.size() == 2) {
      if (!optionsEnded && argument == u"--") {
        optionsEnded = true;
        continue;
      }
      parsed.positional << argument;
      continue;
    }
    if (parsed.Has(argument)) {
      *error = QStringLiteral("option %1 given twice").arg(argument);
      return std::nullopt;
    }
    if (spec.flags.contains(argument)) {
      parsed.flags.insert(argument);
    } else if (spec.valueOptions.contains(argument)) {
      if (i + 1 >= arguments.size()) {
        *error = QStringLiteral("option %1 needs a value").arg(argument);
        return std::nullopt;
      }
      parsed.values.insert(argument, arguments[++i]);
    } else {
      *error = QStringLiteral("unknown option %1").arg(argument);
      return std::nullopt;
    }
  }
  return parsed;
}

std::optional<int> ParseIntInRange(const QString& text, int low, int high) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

bool AsksForHelp(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument == u"--") return false;
    if (argument == u"--help") return true;
  }
  return false;
}
