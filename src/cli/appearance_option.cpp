#include "cli/appearance_option.h"

#include "gl/offscreen_renderer.h"

std::optional<HandAppearance> ReadAppearanceOption(const ParsedArguments& arguments, QString* error) {
  if (!arguments.values.contains(kAppearanceOption)) return HandAppearance::Classic;
  const auto appearance = ParseHandAppearance(arguments.Value(kAppearanceOption));
  if (!appearance && error != nullptr)
    *error = QStringLiteral("--appearance must be classic or natural");
  return appearance;
}

void ApplyAppearance(OffscreenRenderer& renderer, HandAppearance appearance, CliStreams streams) {
  QString message;
  if (renderer.SetAppearance(appearance, &message) != appearance)
    streams.err << "tovaro-cli: " << message << "\n";
}
