#include "playback/timed_player.h"

#include "playback/playback_engine.h"

TimedPlayer::TimedPlayer(PlaybackEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
  connect(&timer_, &StepTimer::step, this, &TimedPlayer::ShowNextPicture);
}

void TimedPlayer::Play(const MoveScript& script) {
  timer_.Stop();
  script_ = script;
  next_ = 0;
  picture_ = pictures_ = shown_ = 0;
  playing_ = true;
  engine_.SetFrameCounter(0);
  emit started();
  if (!AdvanceToPictures()) {
    Finish();
    return;
  }
  timer_.Start();
}

void TimedPlayer::Stop() {
  if (playing_) Finish();
}

void TimedPlayer::ShowNextPicture() {
  if (!playing_) return;
  engine_.ShowRedrawPicture(picture_++);
  emit pictureShown(shown_++);
  // A slot connected to pictureShown may have stopped the word.
  if (playing_ && !AdvanceToPictures()) Finish();
}

bool TimedPlayer::AdvanceToPictures() {
  while (picture_ >= pictures_) {
    if (next_ >= script_.size()) return false;
    const Move& move = script_[next_++];
    if (move.kind == Move::Kind::Redraw) {
      picture_ = 0;
      pictures_ = engine_.BeginRedraw(move.steps);
    } else {
      engine_.Apply(move);
    }
  }
  return true;
}

void TimedPlayer::Finish() {
  timer_.Stop();
  playing_ = false;
  script_.clear();
  emit finished();
}
