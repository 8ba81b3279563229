#include "cli/text_playback_options.h"

#include "signdata/sign_table.h"

std::optional<TextPlaybackRequest> ReadTextPlaybackOptions(const ParsedArguments& arguments,
                                                           QString* error) {
  // A number that is no system reads as -1, which no system is either.
  const std::optional<SystemId> system =
      SystemFromNumber(ParseIntInRange(arguments.Value("--system"), 0, 6).value_or(-1));
  const auto speed = ParseIntInRange(arguments.Value("--speed"), 1, 32767);
  // The numerals take 35 slots after the base, and the table ends at 256.
  const int highestBase = kSignSlots - 36;
  const auto numeralBase =
      ParseIntInRange(arguments.Value("--numeral-base", QStringLiteral("46")), 0, highestBase);
  const bool roman = arguments.flags.contains("--roman");
  // The command line keeps the described motion unless asked, so scripts keep their output.
  const std::optional<MotionStyle> motion =
      MotionStyleFromName(arguments.Value("--motion", QStringLiteral("described")).toStdString());
  if (!system)
    *error = QStringLiteral("--system must be 0 to 6");
  else if (!arguments.values.contains("--angles"))
    *error = QStringLiteral("--angles FILE is needed");
  else if (!speed)
    *error = QStringLiteral("--speed must be 1 to 32767");
  else if (!numeralBase)
    *error = QStringLiteral("--numeral-base must be 0 to %1").arg(highestBase);
  else if (roman && system != SystemId::JapaneseKana && system != SystemId::KoreanHangul)
    *error = QStringLiteral("--roman needs system 4 or 5");
  else if (!motion)
    *error = QStringLiteral("--motion must be lifelike or described");
  else if (arguments.positional.size() != 1)
    *error = QStringLiteral("exactly one TEXT is needed");
  if (!error->isEmpty()) return std::nullopt;

  TextPlaybackRequest request;
  request.system = *system;
  request.anglesPath = arguments.Value("--angles");
  request.speed = *speed;
  request.numeralBase = static_cast<int16_t>(*numeralBase);
  request.roman = roman;
  request.normalize = arguments.flags.contains("--normalize");
  request.motion = *motion;
  request.text = arguments.positional.front();
  return request;
}

std::optional<int> ReportUnplayedText(const TextPlaybackResult& played,
                                      const TextPlaybackRequest& request, CliStreams streams,
                                      QString* usageError) {
  using Outcome = TextPlaybackResult::Outcome;
  switch (played.outcome) {
    case Outcome::Played:
      return std::nullopt;
    case Outcome::TableNotLoaded:
      streams.out << "Error " << request.anglesPath << ": " << played.reason << "\n";
      return kExitFailure;
    case Outcome::ConversionFailed:
      streams.out << "Result False\n";
      return kExitFailure;
    case Outcome::InvalidSpeed:
      break;
  }
  *usageError = played.reason;
  return std::nullopt;
}
