#pragma once

#include "playback/move_script.h"
#include "playback/script_player.h"
#include "playback/step_timer.h"

#include <QObject>

// Plays a word in the desktop program: one picture per step of the step timer, so a
// word takes the same time on every machine and the window stays responsive. It
// emits pictureShown for every picture and finished when the word has ended or was
// stopped.
class TimedPlayer : public QObject, public ScriptPlayer {
  Q_OBJECT

 public:
  explicit TimedPlayer(PlaybackEngine& engine, QObject* parent = nullptr);

  // Replaces any word still playing.
  void Play(const MoveScript& script) override;
  // Ends the word where it is; the hands keep the pose last shown.
  void Stop();
  bool IsPlaying() const { return playing_; }

 signals:
  void started();
  void pictureShown(int picture);
  void finished();

 private:
  void ShowNextPicture();
  // Applies moves up to the next redraw that has pictures; false at the end.
  bool AdvanceToPictures();
  void Finish();

  PlaybackEngine& engine_;
  StepTimer timer_;
  MoveScript script_;
  size_t next_ = 0;
  int picture_ = 0;
  int pictures_ = 0;
  int shown_ = 0;
  bool playing_ = false;
};
