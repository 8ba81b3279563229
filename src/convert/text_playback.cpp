#include "convert/text_playback.h"

#include "base/message_sink.h"
#include "convert/fingerspelling_system.h"
#include "convert/sign_class.h"
#include "convert/system_registry.h"
#include "convert/typed_text_normalization.h"
#include "signdata/angle_file.h"

#include <QCoreApplication>

int TableHandsOfSystem(SystemId system) { return FindSystem(system).HandCount() == 2 ? 2 : 1; }

int16_t NumeralBaseOfSystem(SystemId system, int16_t other) {
  return FindSystem(system).NumeralBase().value_or(other);
}

void SelectSystem(SignClass& signs, SystemId system, int16_t numeralBase) {
  signs.LangSet(system);
  signs.SetNumeralBase(numeralBase);
}

bool ConvertText(SignClass& signs, const QString& text, bool roman) {
  if (!roman) return signs.Text(text);
  if (signs.CurrentSystem() == SystemId::KoreanHangul) return signs.KslRomanText(text);
  return signs.JslRomanText(text);
}

TextPlaybackResult PlayText(SignTable& table, ScriptPlayer& player, MessageSink& messages,
                            const TextPlaybackRequest& request) {
  using Outcome = TextPlaybackResult::Outcome;
  if (request.speed < 1) return {Outcome::InvalidSpeed, QCoreApplication::translate("Messages", "Invalid speed value!")};

  table.SetHands(TableHandsOfSystem(request.system));
  const FileResult loaded = LoadAngleFile(table, request.anglesPath);
  if (!loaded) return {Outcome::TableNotLoaded, loaded.reason};

  SignClass signs(table, player);
  SelectSystem(signs, request.system, NumeralBaseOfSystem(request.system, request.numeralBase));
  signs.SetMotion(request.motion);
  const QString text = request.normalize
                           ? NormalizeTypedText(request.text, request.system, request.roman)
                           : request.text;
  if (!ConvertText(signs, text, request.roman)) {
    if (!signs.Message().isEmpty()) messages.ShowMessage(signs.Message());
    return {Outcome::ConversionFailed, {}};
  }
  signs.StartRoutine(request.speed);
  return {Outcome::Played, {}};
}
