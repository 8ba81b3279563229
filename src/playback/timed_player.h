#pragma once

#include "playback/move_script.h"
#include "playback/script_player.h"
#include "playback/script_timeline.h"
#include "playback/step_source.h"

#include <QObject>

#include <functional>
#include <memory>

// Plays a word in the desktop program: one picture per step of its step source (the
// step timer, unless told otherwise), so a word takes the same time on every machine
// and the window stays responsive. When a step comes late by a whole step or more, the
// picture shown is the one due by then: the pictures there was no time for are passed
// over without drawing, so a slow machine shows fewer pictures but the word still takes
// its time. It emits pictureShown for every picture shown and finished when the word
// has ended or was stopped.
//
// A word can be paused, and while it plays or is paused any of its pictures can be
// shown: the script is known from the start, so the pose of a picture is found by
// applying the moves before it without drawing them.
class TimedPlayer : public QObject, public ScriptPlayer {
  Q_OBJECT

 public:
  explicit TimedPlayer(PlaybackEngine& engine, QObject* parent = nullptr);

  // Takes its steps from `steps` from now on instead (a test's, which it advances by
  // hand); a word playing goes on with them.
  void UseStepSource(std::unique_ptr<StepSource> steps);

  // Replaces any word still playing. The word plays at the slow-motion percent in
  // force.
  void Play(const MoveScript& script) override;
  // Ends the word where it is; the hands keep the pose last shown.
  void Stop();
  // True from Play until the word has ended or was stopped, paused or not.
  bool IsPlaying() const { return playing_; }

  // A paused word keeps its pose and its place until it is resumed or stopped.
  void Pause();
  void Resume();
  bool IsPaused() const { return paused_; }

  // Shows picture `picture` (clamped to the word) and goes on from there; pictureShown
  // tells it. Nothing happens while no word plays.
  void ShowPicture(int picture);
  // The picture last shown, -1 before the first; and how many the word has.
  int CurrentPicture() const { return shown_ - 1; }
  int PictureCount() const { return timeline_.PictureCount(); }
  // The script playing (slowed as it plays) and its timeline.
  const MoveScript& Script() const { return script_; }
  const ScriptTimeline& Timeline() const { return timeline_; }

  // The last word given to Play, as given: "Replay" plays it again.
  const MoveScript& LastScript() const { return lastScript_; }
  bool HasLastScript() const { return !lastScript_.empty(); }

  // While `wanted` says so, no picture is passed over however late the steps come: a
  // recording saves every step.
  void ShowEveryStepWhile(std::function<bool()> wanted) { everyStepWanted_ = std::move(wanted); }

  // 25, 50 or 100: the speed of the next word played, in percent of its own.
  void SetSlowMotion(int percent) { slowMotion_ = percent; }
  int SlowMotion() const { return slowMotion_; }

 signals:
  void started();
  void pictureShown(int picture);
  void pausedChanged(bool paused);
  void finished();

 private:
  // `due` steps have come due: shows the picture due now.
  void TakeSteps(int due);
  void ShowNextPicture();
  // Moves the pose `count` pictures on without drawing them; the word has at least one
  // picture after them.
  void PassPictures(int count);
  // Applies moves up to the next redraw that has pictures; false at the end.
  bool AdvanceToPictures();
  void Finish();

  PlaybackEngine& engine_;
  std::unique_ptr<StepSource> steps_;
  std::function<bool()> everyStepWanted_;
  MoveScript script_;
  MoveScript lastScript_;
  ScriptTimeline timeline_;
  size_t next_ = 0;
  int picture_ = 0;
  int pictures_ = 0;
  int shown_ = 0;
  int slowMotion_ = 100;
  bool playing_ = false;
  bool paused_ = false;
  // Paused on the last picture: resuming ends the word.
  bool atEnd_ = false;
};
