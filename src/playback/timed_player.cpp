#include "playback/timed_player.h"

#include "playback/playback_engine.h"
#include "playback/step_timer.h"

#include <algorithm>

TimedPlayer::TimedPlayer(PlaybackEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
  UseStepSource(std::make_unique<StepTimer>());
}

void TimedPlayer::UseStepSource(std::unique_ptr<StepSource> steps) {
  const bool running = steps_ && steps_->IsRunning();
  steps_ = std::move(steps);
  connect(steps_.get(), &StepSource::step, this, &TimedPlayer::TakeSteps);
  if (running) steps_->Start();
}

void TimedPlayer::Play(const MoveScript& script) {
  steps_->Stop();
  lastScript_ = script;
  script_ = SlowedScript(script, slowMotion_);
  timeline_ = ScriptTimeline(script_);
  next_ = 0;
  picture_ = pictures_ = shown_ = 0;
  playing_ = true;
  atEnd_ = false;
  if (paused_) {
    paused_ = false;
    emit pausedChanged(false);
  }
  engine_.SetFrameCounter(0);
  emit started();
  if (!AdvanceToPictures()) {
    Finish();
    return;
  }
  steps_->Start();
}

void TimedPlayer::Stop() {
  if (playing_) Finish();
}

void TimedPlayer::Pause() {
  if (!playing_ || paused_) return;
  steps_->Stop();
  paused_ = true;
  emit pausedChanged(true);
}

void TimedPlayer::Resume() {
  if (!playing_ || !paused_) return;
  paused_ = false;
  emit pausedChanged(false);
  if (atEnd_) {
    Finish();
    return;
  }
  steps_->Start();
}

void TimedPlayer::ShowPicture(int picture) {
  if (!playing_ || PictureCount() == 0) return;
  picture = std::clamp(picture, 0, PictureCount() - 1);
  // From the start of the word: every move before the picture applied, every
  // movement before its own settled without being drawn.
  next_ = 0;
  picture_ = pictures_ = 0;
  int passed = 0;
  while (next_ < script_.size()) {
    const Move& move = script_[next_++];
    if (move.kind != Move::Kind::Redraw) {
      engine_.Apply(move);
      continue;
    }
    const int count = engine_.BeginRedraw(move.steps, move.pace);
    if (passed + count > picture) {
      picture_ = picture - passed;
      pictures_ = count;
      break;
    }
    engine_.SettleRedraw(count);
    passed += count;
  }
  shown_ = picture;
  atEnd_ = false;
  ShowNextPicture();
}

void TimedPlayer::TakeSteps(int due) {
  if (!playing_) return;
  const bool everyStep = everyStepWanted_ && everyStepWanted_();
  const int passed = everyStep ? 0 : std::min(due - 1, PictureCount() - 1 - shown_);
  if (passed > 0) PassPictures(passed);
  ShowNextPicture();
}

void TimedPlayer::PassPictures(int count) {
  shown_ += count;
  while (count > 0) {
    const int left = pictures_ - picture_;
    if (count < left) {
      picture_ += count;
      return;
    }
    // The rest of this movement passed over: its last pose is where the next begins.
    engine_.SettleRedraw(pictures_);
    picture_ = pictures_;
    count -= left;
    AdvanceToPictures();
  }
}

void TimedPlayer::ShowNextPicture() {
  if (!playing_) return;
  engine_.ShowRedrawPicture(picture_++);
  emit pictureShown(shown_++);
  // A slot connected to pictureShown may have stopped the word.
  if (!playing_ || AdvanceToPictures()) return;
  if (paused_)
    atEnd_ = true;
  else
    Finish();
}

bool TimedPlayer::AdvanceToPictures() {
  while (picture_ >= pictures_) {
    if (next_ >= script_.size()) return false;
    const Move& move = script_[next_++];
    if (move.kind == Move::Kind::Redraw) {
      picture_ = 0;
      pictures_ = engine_.BeginRedraw(move.steps, move.pace);
    } else {
      engine_.Apply(move);
    }
  }
  return true;
}

void TimedPlayer::Finish() {
  steps_->Stop();
  playing_ = false;
  atEnd_ = false;
  if (paused_) {
    paused_ = false;
    emit pausedChanged(false);
  }
  emit finished();
}
