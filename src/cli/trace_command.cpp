#include "cli/trace_command.h"

#include "app/app_state.h"
#include "app/message_sink.h"
#include "cli/argument_list.h"
#include "cli/blank_drawing_area.h"
#include "cli/tracing_engine.h"
#include "convert/text_playback.h"

#include <optional>

const char* const kTraceUsage =
    "Usage: tovaro-cli trace --system S --angles FILE --speed V [--numeral-base B]\n"
    "                        [--roman] [--] TEXT\n"
    "\n"
    "Loads FILE in the layout of system S (0 and 1 two hands, 2 to 6 one hand), converts\n"
    "TEXT as 'spell' does (NumeralBase 46 for S = 4, 41 for S = 5, B for S = 6, default\n"
    "46) and plays it at speed V (1 to 32767), printing every call the converter makes:\n"
    "  SetHandPose <sign> <frame>\n"
    "  SetHandTarget <sign> <frame>\n"
    "  SetHandTargetShifted <sign> <frame> <o1> ... <o12>\n"
    "  Redraw <N>\n"
    "and last 'FrameCounter <n>'. A file that does not load prints\n"
    "'Error <FILE>: <reason>', a failed conversion 'Result False'; both exit with 1.\n"
    "Exit status: 0 when the text was played, 1 otherwise, 2 for wrong usage.\n";

int RunTraceCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kTraceUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(
      arguments, {{"--system", "--angles", "--speed", "--numeral-base"}, {"--roman"}}, &error);
  std::optional<int> system;
  std::optional<int> speed;
  std::optional<int> numeralBase;
  if (parsed) {
    system = ParseIntInRange(parsed->Value("--system"), 0, 6);
    speed = ParseIntInRange(parsed->Value("--speed"), 1, 32767);
    numeralBase = ParseIntInRange(parsed->Value("--numeral-base", "46"), 0, kSignSlots - 36);
    if (!system)
      error = QStringLiteral("--system must be 0 to 6");
    else if (!parsed->values.contains("--angles"))
      error = QStringLiteral("--angles FILE is needed");
    else if (!speed)
      error = QStringLiteral("--speed must be 1 to 32767");
    else if (!numeralBase)
      error = QStringLiteral("--numeral-base must be 0 to %1").arg(kSignSlots - 36);
    else if (parsed->flags.contains("--roman") && *system != 4 && *system != 5)
      error = QStringLiteral("--roman needs system 4 or 5");
    else if (parsed->positional.size() != 1)
      error = QStringLiteral("exactly one TEXT is needed");
  }
  if (!error.isEmpty()) {
    streams.err << "tovaro-cli trace: " << error << "\n" << kTraceUsage;
    return kExitUsage;
  }

  TextPlaybackRequest request;
  request.system = *system;
  request.anglesPath = parsed->Value("--angles");
  request.speed = *speed;
  request.numeralBase = static_cast<int16_t>(*numeralBase);
  request.roman = parsed->flags.contains("--roman");
  request.text = parsed->positional.front();

  AppState state;
  BlankDrawingArea area;
  TracingEngine engine(state, area, streams.out);
  CollectingMessageSink messages;
  const TextPlaybackResult played = PlayText(engine, messages, request);
  // Conversion messages are not part of the trace.
  for (const QString& message : messages.messages) streams.err << message << "\n";

  using Outcome = TextPlaybackResult::Outcome;
  switch (played.outcome) {
    case Outcome::Played:
      streams.out << "FrameCounter " << state.FrameCounter << "\n";
      return kExitSuccess;
    case Outcome::TableNotLoaded:
      streams.out << "Error " << request.anglesPath << ": " << played.reason << "\n";
      return kExitFailure;
    case Outcome::ConversionFailed:
      streams.out << "Result False\n";
      return kExitFailure;
    case Outcome::InvalidSpeed:
      break;
  }
  streams.err << "tovaro-cli trace: " << played.reason << "\n";
  return kExitUsage;
}
