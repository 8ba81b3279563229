#include "cli/shapes_command.h"

#include "base/output_file.h"
#include "signdata/sign_table.h"
#include "cli/argument_list.h"
#include "signdata/angle_file.h"
#include "signdata/shape_authoring.h"


const char* const kShapesUsage =
    "Usage: tovaro-cli shapes SOURCE --out FILE\n"
    "\n"
    "Builds an angle data file from a hand-shape source written with named finger,\n"
    "thumb and wrist states (see authoring/ in the source tree; an 'include' names a\n"
    "file beside SOURCE) and prints\n"
    "'SignCount <n>'. The layout, one hand or two, is the source's 'hands' line.\n"
    "FILE may not be SOURCE or a file it includes; a FIFO or a device is written\n"
    "straight into.\n"
    "Exit status: 0 when FILE was written, 1 when SOURCE has an error or FILE could\n"
    "not be written, 2 for wrong usage.\n";

int RunShapesCommand(const QStringList& arguments, CliStreams streams) {
  if (arguments.contains(QStringLiteral("--help"))) {
    streams.out << kShapesUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, {{"--out"}, {}}, &error);
  if (parsed && parsed->positional.size() != 1) error = QStringLiteral("give one SOURCE");
  if (parsed && error.isEmpty() && !parsed->values.contains("--out"))
    error = QStringLiteral("--out FILE is missing");
  if (!parsed || !error.isEmpty()) {
    streams.err << "tovaro-cli shapes: " << error << "\n" << kShapesUsage;
    return kExitUsage;
  }

  const QString source = parsed->positional[0];
  const QString out = parsed->Value("--out");
  QStringList filesRead;
  const ShapeAuthoringResult result = ParseShapeAuthoringFile(source, &filesRead);
  // Checked against every file read, includes too, before anything is written.
  if (const auto input = InputNamedByOutput(out, filesRead)) {
    streams.err << "tovaro-cli shapes: --out names the input " << *input << "\n" << kShapesUsage;
    return kExitUsage;
  }
  if (!result.ok) {
    streams.err << "Error " << source << ": " << result.error << "\n";
    return kExitFailure;
  }

  SignTable table = SignTable::WithHands(result.shapes.HandCount);
  table.Signs = *result.shapes.Table;
  table.SignCount = result.shapes.SignCount;
  const FileResult saved = SaveAngleFile(table, out);
  if (!saved) {
    streams.err << "Error " << out << ": " << saved.reason << "\n";
    return kExitFailure;
  }
  streams.out << "SignCount " << table.SignCount << "\n";
  return kExitSuccess;
}
