#include "convert/sign_class.h"

#include "app/app_state.h"
#include "convert/alpha_class.h"
#include "convert/jsl_class.h"
#include "convert/ksl_class.h"
#include "convert/num_class.h"
#include "convert/playback_steps.h"
#include "render/playback_engine.h"

SignClass::SignClass(PlaybackEngine& engine, MessageSink& messages)
    : engine_(engine), messages_(messages) {}

SignClass::~SignClass() = default;

void SignClass::LangSet(int index) {
  index_ = index;
  result_ = false;
  alpha_.reset();
  jsl_.reset();
  ksl_.reset();
  num_.reset();
  if (index >= 0 && index <= 3)
    alpha_ = std::make_unique<AlphaClass>(engine_);
  else if (index == 4)
    jsl_ = std::make_unique<JslClass>(engine_);
  else if (index == 5)
    ksl_ = std::make_unique<KslClass>(engine_);
  else if (index == 6)
    num_ = std::make_unique<NumClass>(engine_, messages_);
}

bool SignClass::Text(const QString& text) {
  text_ = text;
  if (alpha_)
    result_ = alpha_->Text(text);
  else if (jsl_)
    result_ = jsl_->Text(text);
  else if (ksl_)
    result_ = ksl_->Text(text);
  else if (num_)
    result_ = num_->Text(text);
  else
    result_ = false;
  return result_;
}

bool SignClass::KslRomanText(const QString& text) {
  if (!ksl_) return result_ = false;
  text_ = text;
  return result_ = ksl_->RomanText(text);
}

bool SignClass::JslRomanText(const QString& text) {
  if (!jsl_) return result_ = false;
  text_ = text;
  return result_ = jsl_->RomanText(text);
}

bool SignClass::StartRoutine(int speed) {
  if (speed < 1 || !(alpha_ || jsl_ || ksl_ || num_)) return false;
  delay_ = DelayForSpeed(speed);
  engine_.State().FrameCounter = 0;
  if (alpha_) alpha_->StartRoutine(delay_);
  if (jsl_) jsl_->StartRoutine(delay_);
  if (ksl_) ksl_->StartRoutine(delay_);
  if (num_) num_->StartRoutine(delay_);
  return true;
}

QString SignClass::HangulString() const { return ksl_ ? ksl_->HangulString() : QString(); }

QString SignClass::KatakanaString() const { return jsl_ ? jsl_->KatakanaString() : QString(); }
