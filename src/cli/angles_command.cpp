#include "cli/angles_command.h"

#include "base/output_file.h"
#include "signdata/sign_table.h"
#include "cli/argument_list.h"
#include "signdata/angle_file.h"

const char* const kAnglesUsage =
    "Usage: tovaro-cli angles --hands 1|2 FILE... [--out OUT]\n"
    "\n"
    "Loads each FILE in order into one sign table (never cleared between files) in the\n"
    "one-hand (52 columns) or two-hand (103 columns) layout. After each file prints\n"
    "'SignCount <n>', or 'Error <FILE>: <reason>' and leaves the table as it was.\n"
    "With --out, writes the table to OUT afterwards, only when every FILE loaded; OUT\n"
    "may not be one of the FILEs. A FIFO or a device as OUT is written straight into.\n"
    "Exit status: 0 when every file loaded and the save succeeded, 1 otherwise,\n"
    "2 for wrong usage.\n";

int RunAnglesCommand(const QStringList& arguments, CliStreams streams) {
  if (arguments.contains(QStringLiteral("--help"))) {
    streams.out << kAnglesUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, {{"--hands", "--out"}, {}}, &error);
  const auto hands = parsed ? ParseIntInRange(parsed->Value("--hands"), 1, 2) : std::nullopt;
  if (!parsed || !hands || parsed->positional.isEmpty()) {
    if (error.isEmpty()) error = !parsed || !hands ? QStringLiteral("--hands must be 1 or 2")
                                                   : QStringLiteral("no FILE given");
    streams.err << "tovaro-cli angles: " << error << "\n" << kAnglesUsage;
    return kExitUsage;
  }
  if (parsed->values.contains("--out")) {
    if (const auto input = InputNamedByOutput(parsed->Value("--out"), parsed->positional)) {
      streams.err << "tovaro-cli angles: --out names the input " << *input << "\n" << kAnglesUsage;
      return kExitUsage;
    }
  }

  SignTable table = SignTable::WithHands(*hands);

  bool allGood = true;
  for (const QString& file : parsed->positional) {
    const FileResult loaded = LoadAngleFile(table, file);
    if (loaded) {
      streams.out << "SignCount " << table.SignCount << "\n";
    } else {
      streams.out << "Error " << file << ": " << loaded.reason << "\n";
      allGood = false;
    }
  }
  if (parsed->values.contains("--out")) {
    const QString out = parsed->Value("--out");
    // A table missing a file's signs must not replace a good file.
    if (!allGood) {
      streams.err << "Error " << out << ": not written, as a FILE could not be loaded\n";
      return kExitFailure;
    }
    streams.out.flush();  // the counts come before a table written to standard output
    const FileResult saved = SaveAngleFile(table, out);
    if (!saved) {
      streams.err << "Error " << out << ": " << saved.reason << "\n";
      allGood = false;
    }
  }
  return allGood ? kExitSuccess : kExitFailure;
}
