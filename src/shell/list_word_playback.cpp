#include "shell/list_word_playback.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "shell/start_flow.h"

std::optional<SpelledLetters> PlayListWord(SignClass& signs, MessageSink& messages, SystemId listSystem,
                                           ListSpelling spelling, const QString& word, const QString& speedText) {
  const std::optional<int16_t> speed = SpeedFromText(speedText);
  if (!speed) {
    messages.ShowMessage(kInvalidSpeedMessage);
    return std::nullopt;
  }
  const std::optional<SystemId> restoreSystem = signs.CurrentSystem();
  signs.LangSet(listSystem);
  const bool converted = spelling == ListSpelling::Romaji ? signs.JslRomanText(word) : signs.Text(word);
  const bool played = converted && signs.StartRoutine(*speed);
  if (!converted) messages.ShowMessage(signs.Message().isEmpty() ? kUnsupportedTextMessage : signs.Message());
  // Found while the list's system is still set: the letters are its own.
  std::optional<SpelledLetters> letters;
  if (played) letters = LettersOfLastWord(signs, signs.Table());
  if (restoreSystem && *restoreSystem != listSystem) signs.LangSet(*restoreSystem);
  return letters;
}
