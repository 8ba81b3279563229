#include "cli/export_command.h"

#include "playback/view_controls.h"

#include "cli/appearance_option.h"
#include "base/message_sink.h"
#include "cli/argument_list.h"
#include "cli/nothing_drawn_reason.h"
#include "cli/render_setup.h"
#include "cli/text_playback_options.h"
#include "gl/animation_export.h"
#include "playback/keeping_player.h"
#include "playback/view_controls.h"
#include "signdata/sign_table.h"

const char* const kExportUsage =
    "Usage: tovaro-cli export --system S --angles FILE --speed V [--numeral-base B]\n"
    "                         [--roman] [--size WxH] [--appearance classic|natural]\n"
    "                         [--motion lifelike|described]\n"
    "                         --out OUT [--] TEXT\n"
    "\n"
    "Plays TEXT as 'tovaro-cli trace' does, offscreen at WxH (default 640x480, at most\n"
    "16384x16384), and writes it to OUT at the program's pace of 60 steps a second: an\n"
    "animated GIF when OUT ends in .gif (two steps to a picture, looping), an H.264\n"
    "video in an MP4 container when it ends in .mp4 (MPEG-4 Part 2 where H.264 is\n"
    "missing; odd sides lose their last pixel). Prints 'Steps <n>', the steps written,\n"
    "as 'trace' counts them in 'FrameCounter <n>'.\n"
    "Exit status: 0 when the file was written, 1 when a file could not be read or\n"
    "written (OUT is then left as it was), 2 for wrong usage.\n";

namespace {

// Every option of the command; a new one is one entry here and one in ReadExportOptions.
const OptionSpec& ExportOptionSpec() {
  static const OptionSpec spec{
      {"--system", "--angles", "--speed", "--numeral-base", "--size", "--out", "--appearance", "--motion"},
      {"--roman"}};
  return spec;
}

int UsageError(const QString& what, CliStreams streams) {
  streams.err << "tovaro-cli export: " << what << "\n" << kExportUsage;
  return kExitUsage;
}

struct ExportOptions {
  TextPlaybackRequest text;
  AnimationExportSettings animation;
};

// Nullopt, with the reason in *error, for a wrong or missing option.
std::optional<ExportOptions> ReadExportOptions(const ParsedArguments& arguments, QString* error) {
  ExportOptions options;
  std::optional<TextPlaybackRequest> text = ReadTextPlaybackOptions(arguments, error);
  if (!text) return std::nullopt;
  options.text = *text;
  options.animation.path = arguments.Value("--out");
  if (options.animation.path.isEmpty()) {
    *error = QStringLiteral("--out FILE is needed");
    return std::nullopt;
  }
  if (!AnimationFormatOfPath(options.animation.path)) {
    *error = QStringLiteral("--out must end in .gif or .mp4");
    return std::nullopt;
  }
  if (arguments.values.contains("--size")) {
    const std::optional<QSize> size = ParsePictureSize(arguments.Value("--size"));
    if (!size) {
      *error = PictureSizeProblem(arguments.Value("--size"));
      return std::nullopt;
    }
    options.animation.size = *size;
  }
  const std::optional<HandAppearance> appearance = ReadAppearanceOption(arguments, error);
  if (!appearance) return std::nullopt;
  options.animation.appearance = *appearance;
  return options;
}

}  // namespace

int RunExportCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kExportUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, ExportOptionSpec(), &error);
  if (!parsed) return UsageError(error, streams);
  std::optional<ExportOptions> options = ReadExportOptions(*parsed, &error);
  if (!options) return UsageError(error, streams);
  SignTable table;
  KeepingPlayer keeper;
  CollectingMessageSink messages;
  const TextPlaybackResult played = PlayText(table, keeper, messages, options->text);
  for (const QString& message : messages.messages) streams.err << message << "\n";
  if (const auto status = ReportUnplayedText(played, options->text, streams, &error)) return *status;
  if (!error.isEmpty()) return UsageError(error, streams);

  // The word as the program first shows a table of its hand count.
  options->animation.view = StartView(table.HandCount);
  // Said before anything is drawn, so that the cause is named rather than the text blamed.
  if (const std::optional<QString> reason = NothingDrawnReason(keeper.Script())) {
    streams.err << "Error " << options->animation.path << ": " << *reason << "\n";
    return kExitFailure;
  }
  const AnimationExportResult result = ExportScript(
      table, keeper.Script(), options->animation, {},
      [&streams](const QString& note) { streams.err << "tovaro-cli export: " << note << "\n"; });
  if (result.outcome != AnimationExportResult::Outcome::Written) {
    streams.err << "Error " << options->animation.path << ": " << result.reason << "\n";
    return kExitFailure;
  }
  streams.out << "Steps " << result.steps << "\n";
  return kExitSuccess;
}
