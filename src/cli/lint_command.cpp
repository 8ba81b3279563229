#include "cli/lint_command.h"

#include "signdata/sign_table.h"
#include "cli/argument_list.h"
#include "signdata/angle_file.h"
#include "signdata/shape_lint.h"
#include "signdata/transition_lint.h"

const char* const kLintUsage =
    "Usage: tovaro-cli lint --angles FILE --hands 1|2 [--transitions]\n"
    "\n"
    "Checks the hand shapes of an angle data file for parts of a hand passing through\n"
    "each other: finger segments of different fingers, or a finger and the palm, each\n"
    "segment taken as a capsule of half its finger's width, allowing a small overlap\n"
    "for fingers that touch. With two hands, the right hand is also checked against\n"
    "the left, so hands that touch do not pass through each other. Every key frame is\n"
    "checked, and the midpoint of every movement between consecutive key frames of a\n"
    "sign. Prints one line per problem.\n"
    "\n"
    "  --transitions  also check the movements between signs: from the last key frame of\n"
    "                 every sign (the rest shape included) to the first key frame of\n"
    "                 every other, at a quarter, half and three quarters of the way;\n"
    "                 one line per pair of signs with a problem, naming the deepest\n"
    "                 overlap between the hands and within each hand\n"
    "Exit status: 0 when there is none, 1 when there are problems or the file cannot\n"
    "be read, 2 for wrong usage.\n";

int RunLintCommand(const QStringList& arguments, CliStreams streams) {
  if (arguments.contains(QStringLiteral("--help"))) {
    streams.out << kLintUsage;
    return kExitSuccess;
  }
  auto usageError = [&streams](const QString& what) {
    streams.err << "tovaro-cli lint: " << what << "\n" << kLintUsage;
    return kExitUsage;
  };
  QString error;
  const auto parsed = ParseArguments(arguments, {{"--angles", "--hands"}, {"--transitions"}}, &error);
  if (!parsed) return usageError(error);
  const auto hands = ParseIntInRange(parsed->Value("--hands"), 1, 2);
  if (!hands) return usageError(QStringLiteral("--hands must be 1 or 2"));
  if (!parsed->values.contains("--angles")) return usageError(QStringLiteral("--angles FILE is missing"));
  if (!parsed->positional.isEmpty())
    return usageError(QStringLiteral("unexpected argument %1").arg(parsed->positional[0]));

  SignTable table = SignTable::WithHands(*hands);
  const QString file = parsed->Value("--angles");
  const FileResult loaded = LoadAngleFile(table, file);
  if (!loaded) {
    streams.err << "Error " << file << ": " << loaded.reason << "\n";
    return kExitFailure;
  }
  const std::vector<ShapeProblem> problems = LintShapes(table.Signs, table.SignCount, table.HandCount);
  for (const ShapeProblem& problem : problems) streams.out << problem.Describe() << "\n";
  if (!parsed->Has("--transitions")) return problems.empty() ? kExitSuccess : kExitFailure;
  const std::vector<TransitionProblem> moves = LintTransitions(table.Signs, table.SignCount, table.HandCount);
  for (const TransitionProblem& move : moves) streams.out << move.Describe() << "\n";
  return problems.empty() && moves.empty() ? kExitSuccess : kExitFailure;
}
