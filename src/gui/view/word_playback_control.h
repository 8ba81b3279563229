#pragma once

#include "convert/spelled_letters.h"

#include <QObject>

#include <vector>

class PlaybackBar;
class PlaybackEngine;
class TimedPlayer;

// What the learner does to a word while it plays: pause and resume (Space), stop
// (Escape: the hands go to rest), step a paused word a sign back or forward (Left,
// Right), drag the slider to any step (also once the word has ended), replay the last
// word. It keeps the slider, the pause sign and the line of letters under the picture
// in step with the player.
class WordPlaybackControl : public QObject {
  Q_OBJECT

 public:
  WordPlaybackControl(TimedPlayer& player, PlaybackEngine& engine, PlaybackBar& bar,
                      QObject* parent = nullptr);

  // The letters of the word just started; they are shown only for the script they
  // were made from.
  void SetLetters(SpelledLetters letters);
  // While the practice runs the letters stay hidden.
  void SetPracticeRunning(bool running);

  // A key pressed while a word plays; true when it was one of the word's keys.
  bool HandleKey(int key);
  static bool IsPlaybackKey(int key);

  // Plays the last word again, from its start; also while it is paused.
  void Replay();
  // Shows picture `picture` of the word, paused; a word that has ended is taken up
  // again for it.
  void ShowStep(int picture);
  // Ends the word and puts the hands at rest.
  void StopToRest();
  // One sign back (-1) or forward (+1) of a paused word.
  void StepSign(int direction);
  // The pictures a paused word steps between: its first, and the one where each sign
  // is complete.
  std::vector<int> SignBoundaries() const;

 private:
  void Started();
  void PictureShown(int picture);
  void PausedChanged(bool paused);
  void Finished();
  bool LettersMatch() const;

  TimedPlayer& player_;
  PlaybackEngine& engine_;
  PlaybackBar& bar_;
  SpelledLetters letters_;
};
