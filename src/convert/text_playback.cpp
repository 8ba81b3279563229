#include "convert/text_playback.h"

#include "app/app_state.h"
#include "convert/sign_class.h"
#include "render/playback_engine.h"
#include "signdata/angle_file.h"

TableLayout TableLayoutOfSystem(int system) {
  if (system == 0 || system == 1) return {2, kTwoHandColumns};
  return {1, kOneHandColumns};
}

int16_t NumeralBaseOfSystem(int system, int16_t other) {
  if (system == 4) return 46;
  if (system == 5) return 41;
  return other;
}

void SelectSystem(AppState& state, SignClass& signs, int system, int16_t numeralBase) {
  state.SystemIndex = static_cast<int16_t>(system == 6 ? 4 : system);
  state.NumeralBase = numeralBase;
  signs.LangSet(system);
}

bool ConvertText(SignClass& signs, const QString& text, bool roman) {
  if (!roman) return signs.Text(text);
  if (signs.LanguageIndex() == 5) return signs.KslRomanText(text);
  return signs.JslRomanText(text);
}

TextPlaybackResult PlayText(PlaybackEngine& engine, MessageSink& messages,
                            const TextPlaybackRequest& request) {
  using Outcome = TextPlaybackResult::Outcome;
  if (request.speed < 1) return {Outcome::InvalidSpeed, QStringLiteral("Invalid speed value!")};

  AppState& state = engine.State();
  const TableLayout layout = TableLayoutOfSystem(request.system);
  state.HandCount = layout.HandCount;
  state.ColumnCount = layout.ColumnCount;
  const FileResult loaded = LoadAngleFile(state, request.anglesPath);
  if (!loaded) return {Outcome::TableNotLoaded, loaded.reason};

  SignClass signs(engine, messages);
  SelectSystem(state, signs, request.system,
               NumeralBaseOfSystem(request.system, request.numeralBase));
  if (!ConvertText(signs, request.text, request.roman)) return {Outcome::ConversionFailed, {}};
  signs.StartRoutine(request.speed);
  return {Outcome::Played, {}};
}
