#include "convert/sign_class.h"

#include "convert/fingerspelling_system.h"
#include "convert/playback_steps.h"
#include "convert/system_registry.h"
#include "convert/word_choreography.h"
#include "playback/script_player.h"
#include "playback/script_timeline.h"

SignClass::SignClass(const SignTable& table, ScriptPlayer& player)
    : table_(table), player_(player) {}

void SignClass::LangSet(SystemId system) {
  system_ = &FindSystem(system);
  result_ = false;
  // The last word stays: Start after a failed conversion plays it again.
  shownText_.clear();
  message_.clear();
}

std::optional<SystemId> SignClass::CurrentSystem() const {
  if (!system_) return std::nullopt;
  return system_->Id();
}

bool SignClass::Text(const QString& text) {
  if (!system_) return result_ = false;
  return Convert(text, Input::Plain);
}

bool SignClass::KslRomanText(const QString& text) {
  if (!system_ || system_->Romanized() != RomanizedInput::RomanizedKorean) return result_ = false;
  return Convert(text, Input::Romanized);
}

bool SignClass::JslRomanText(const QString& text) {
  if (!system_ || system_->Romanized() != RomanizedInput::Romaji) return result_ = false;
  return Convert(text, Input::Romanized);
}

bool SignClass::Convert(const QString& text, Input input) {
  text_ = text;
  ConversionResult converted = input == Input::Plain ? system_->Convert(text, numeralBase_)
                                                     : system_->ConvertRomanized(text);
  if (auto* error = std::get_if<ConversionError>(&converted)) {
    message_ = error->message;
    return result_ = false;
  }
  auto& conversion = std::get<Conversion>(converted);
  steps_ = std::move(conversion.steps);
  shownText_ = std::move(conversion.shownText);
  message_.clear();
  return result_ = true;
}

bool SignClass::StartRoutine(int speed) {
  if (speed < 1 || !system_) return false;
  delay_ = DelayForSpeed(speed);
  // The described motion needs no letters, so it is not worked out sign by sign.
  player_.Play(motion_ == MotionStyle::Described ? system_->Choreograph(table_, steps_, delay_)
                                                 : ChoreographWord(*system_, table_, steps_, delay_, motion_).script);
  return true;
}

int SignClass::LastWordPictures() const {
  if (!system_ || delay_ <= 0) return 0;
  // Both motions give a letter the same pictures, so the described script counts them.
  return ScriptTimeline(system_->Choreograph(table_, steps_, delay_)).PictureCount();
}

QString SignClass::HangulString() const {
  return system_ && system_->Romanized() == RomanizedInput::RomanizedKorean ? shownText_ : QString();
}

QString SignClass::KatakanaString() const {
  return system_ && system_->Romanized() == RomanizedInput::Romaji ? shownText_ : QString();
}
