#include "cli/trace_command.h"

#include "base/message_sink.h"
#include "cli/argument_list.h"
#include "playback/blank_drawing_area.h"
#include "cli/text_playback_options.h"
#include "cli/tracing_player.h"
#include "cli/nothing_drawn_reason.h"
#include "playback/playback_engine.h"
#include "signdata/sign_table.h"

#include <optional>

const char* const kTraceUsage =
    "Usage: tovaro-cli trace --system S --angles FILE --speed V [--numeral-base B]\n"
    "                        [--roman] [--normalize] [--motion lifelike|described]\n"
    "                        [--] TEXT\n"
    "\n"
    "Loads FILE in the layout of system S (0 and 1 two hands, 2 to 6 one hand), converts\n"
    "TEXT as 'spell' does (NumeralBase 46 for S = 4, 41 for S = 5, B for S = 6, default\n"
    "46) and plays it at speed V (1 to 32767), printing every call the converter makes:\n"
    "  SetHandPose <sign> <frame>\n"
    "  SetHandTarget <sign> <frame>\n"
    "  SetHandTargetShifted <sign> <frame> <o1> ... <o12>\n"
    "  Redraw <N>\n"
    "and last 'FrameCounter <n>'. With --motion lifelike (default described) each letter\n"
    "is held still for a share of its time and the moves to it eased in and out:\n"
    "  RedrawEased <N>\n"
    "  Hold <N>\n"
    "draw N + 1 pictures as 'Redraw <N>' does. With --normalize TEXT is first normalised as the\n"
    "program does on Start (full-width to ASCII, kana to half-width katakana, accents\n"
    "folded for the alphabets, lower-case romanized Korean split into syllables).\n"
    " A file that does not load prints\n"
    "'Error <FILE>: <reason>', a failed conversion 'Result False'; both exit with 1, as\n"
    "does a text that draws no step (a speed that rounds every move to none, or nothing\n"
    "in it that can be spelled), which says so after its trace.\n"
    "Exit status: 0 when the text was played, 1 otherwise, 2 for wrong usage.\n";

int RunTraceCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kTraceUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(
      arguments, {{"--system", "--angles", "--speed", "--numeral-base", "--motion"}, {"--roman", "--normalize"}},
      &error);
  std::optional<TextPlaybackRequest> request;
  if (parsed) request = ReadTextPlaybackOptions(*parsed, &error);
  if (!request) {
    streams.err << "tovaro-cli trace: " << error << "\n" << kTraceUsage;
    return kExitUsage;
  }

  SignTable table;
  BlankDrawingArea area;
  PlaybackEngine engine(table, area);
  TracingPlayer player(engine, streams.out);
  CollectingMessageSink messages;
  const TextPlaybackResult played = PlayText(table, player, messages, *request);
  // Conversion messages are not part of the trace.
  for (const QString& message : messages.messages) streams.err << message << "\n";

  if (const auto status = ReportUnplayedText(played, *request, streams, &error)) return *status;
  if (!error.isEmpty()) {
    streams.err << "tovaro-cli trace: " << error << "\n";
    return kExitUsage;
  }
  streams.out << "FrameCounter " << engine.FrameCounter() << "\n";
  if (const std::optional<QString> reason = NothingDrawnReason(player.Played())) {
    streams.err << "tovaro-cli trace: " << *reason << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
