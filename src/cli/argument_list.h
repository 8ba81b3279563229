#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The options a subcommand accepts: those that take a value, and plain flags.
struct OptionSpec {
  QStringList valueOptions;
  QStringList flags;
};

// A subcommand's arguments, split into option values, flags and positional
// arguments. Options may stand anywhere; "--" ends them.
struct ParsedArguments {
  QMap<QString, QString> values;
  QSet<QString> flags;
  QStringList positional;

  bool Has(const QString& option) const { return values.contains(option) || flags.contains(option); }
  QString Value(const QString& option, const QString& fallback = {}) const {
    return values.value(option, fallback);
  }
};

// Nullopt, with the reason in *error, for an unknown option, a missing value or an
// option given twice.
std::optional<ParsedArguments> ParseArguments(const QStringList& arguments, const OptionSpec& spec,
                                              QString* error);

// A whole decimal number in [low, high], or nullopt.
std::optional<int> ParseIntInRange(const QString& text, int low, int high);

// True when "--help" stands among the options (before any "--").
bool AsksForHelp(const QStringList& arguments);
