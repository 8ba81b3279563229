#include "gui/view/word_playback_control.h"

#include "gui/view/playback_bar.h"
#include "playback/playback_engine.h"
#include "playback/timed_player.h"

#include <QPushButton>

#include <algorithm>

WordPlaybackControl::WordPlaybackControl(TimedPlayer& player, PlaybackEngine& engine,
                                         PlaybackBar& bar, QObject* parent)
    : QObject(parent), player_(player), engine_(engine), bar_(bar) {
  connect(&player_, &TimedPlayer::started, this, &WordPlaybackControl::Started);
  connect(&player_, &TimedPlayer::pictureShown, this, &WordPlaybackControl::PictureShown);
  connect(&player_, &TimedPlayer::finished, this, &WordPlaybackControl::Finished);
  connect(&player_, &TimedPlayer::pausedChanged, this, &WordPlaybackControl::PausedChanged);
  connect(&bar_, &PlaybackBar::replayClicked, this, &WordPlaybackControl::Replay);
  connect(&bar_, &PlaybackBar::pictureChosen, this, &WordPlaybackControl::ShowStep);
}

void WordPlaybackControl::ShowStep(int picture) {
  // A word that has ended is taken up again, paused, so the slider still shows its steps.
  if (!player_.IsPlaying()) {
    if (!player_.HasLastScript()) return;
    player_.Play(player_.LastScript());
  }
  player_.Pause();
  player_.ShowPicture(picture);
}

void WordPlaybackControl::SetLetters(SpelledLetters letters) {
  letters_ = std::move(letters);
  if (player_.IsPlaying()) PictureShown(std::max(0, player_.CurrentPicture()));
}

void WordPlaybackControl::SetPracticeRunning(bool running) { bar_.SetLettersAllowed(!running); }

bool WordPlaybackControl::IsPlaybackKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Escape || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool WordPlaybackControl::HandleKey(int key) {
  if (!player_.IsPlaying() || !IsPlaybackKey(key)) return false;
  switch (key) {
    case Qt::Key_Space:
      player_.IsPaused() ? player_.Resume() : player_.Pause();
      break;
    case Qt::Key_Escape: StopToRest(); break;
    case Qt::Key_Left: StepSign(-1); break;
    case Qt::Key_Right: StepSign(+1); break;
  }
  return true;
}

void WordPlaybackControl::Replay() {
  // A paused word can be started over; one playing runs on.
  if ((player_.IsPlaying() && !player_.IsPaused()) || !player_.HasLastScript()) return;
  player_.Play(player_.LastScript());
}

void WordPlaybackControl::StopToRest() {
  if (!player_.IsPlaying()) return;
  player_.Stop();
  bar_.ClearLetters();
  if (engine_.SetHandPose(0, 0)) engine_.DrawHands();
}

std::vector<int> WordPlaybackControl::SignBoundaries() const {
  std::vector<int> boundaries;
  const ScriptTimeline& timeline = player_.Timeline();
  // Each sign is stepped to where it is complete: the picture before the next sign's
  // movement begins, the last picture for the last sign.
  if (LettersMatch()) {
    for (int start : letters_.SignStarts())
      if (start > 0) boundaries.push_back(timeline.FirstPictureAfterMove(start - 1) - 1);
  } else {
    // Without the letters, every key frame reached is a step.
    const MoveScript& script = player_.Script();
    for (size_t i = 0; i < script.size(); ++i)
      if (script[i].kind != Move::Kind::Redraw)
        boundaries.push_back(timeline.FirstPictureAfterMove(static_cast<int>(i)) - 1);
  }
  boundaries.push_back(0);
  boundaries.push_back(std::max(0, timeline.PictureCount() - 1));
  std::erase_if(boundaries, [](int picture) { return picture < 0; });
  std::sort(boundaries.begin(), boundaries.end());
  boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());
  return boundaries;
}

void WordPlaybackControl::StepSign(int direction) {
  if (!player_.IsPlaying()) return;
  player_.Pause();
  const std::vector<int> boundaries = SignBoundaries();
  const int current = std::max(0, player_.CurrentPicture());
  int target = current;
  if (direction < 0) {
    const auto before = std::lower_bound(boundaries.begin(), boundaries.end(), current);
    target = before == boundaries.begin() ? 0 : *std::prev(before);
  } else {
    const auto after = std::upper_bound(boundaries.begin(), boundaries.end(), current);
    target = after == boundaries.end() ? player_.PictureCount() - 1 : *after;
  }
  player_.ShowPicture(target);
}

bool WordPlaybackControl::LettersMatch() const {
  return !letters_.IsEmpty() && letters_.Script() == player_.LastScript();
}

void WordPlaybackControl::Started() {
  bar_.SetPictureCount(player_.PictureCount());
  bar_.SetPicture(0);
  bar_.ReplayButton()->setEnabled(false);
  if (!LettersMatch()) bar_.ClearLetters();
}

void WordPlaybackControl::PictureShown(int picture) {
  bar_.SetPicture(picture);
  if (!LettersMatch()) {
    bar_.ClearLetters();
    return;
  }
  bar_.ShowLetters(letters_.Text(), letters_.MarkOfMove(player_.Timeline().RedrawMoveOf(picture)));
}

void WordPlaybackControl::PausedChanged(bool paused) {
  bar_.SetPaused(paused);
  bar_.ReplayButton()->setEnabled(paused && player_.HasLastScript());
}

void WordPlaybackControl::Finished() {
  bar_.SetPaused(false);
  bar_.ReplayButton()->setEnabled(player_.HasLastScript());
}
