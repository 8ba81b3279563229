#include "shell/list_word_playback.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "shell/start_flow.h"

bool PlayListWord(SignClass& signs, MessageSink& messages, SystemId listSystem, ListSpelling spelling,
                  const QString& word, const QString& speedText) {
  const std::optional<int16_t> speed = SpeedFromText(speedText);
  if (!speed) {
    messages.ShowMessage(kInvalidSpeedMessage);
    return false;
  }
  const std::optional<SystemId> restoreSystem = signs.CurrentSystem();
  signs.LangSet(listSystem);
  const bool converted = spelling == ListSpelling::Romaji ? signs.JslRomanText(word) : signs.Text(word);
  const bool played = converted && signs.StartRoutine(*speed);
  if (!converted) messages.ShowMessage(signs.Message().isEmpty() ? kUnsupportedTextMessage : signs.Message());
  if (restoreSystem && *restoreSystem != listSystem) signs.LangSet(*restoreSystem);
  return played;
}
