#pragma once

#include "playback/move_script.h"

#include <vector>

// How many pictures a redraw of `steps` shows: one for 0, steps + 1 (at most the
// interpolation table's 1001) for an animation, none for a negative count.
int PicturesOfRedraw(int steps);

// Where the pictures of a word lie in its script, so a player can show any of them
// and a caption can tell which move drew it. Pictures are counted from 0 over the
// whole word.
class ScriptTimeline {
 public:
  ScriptTimeline() = default;
  explicit ScriptTimeline(const MoveScript& script);

  int PictureCount() const { return pictureCount_; }
  // The index in the script of the Redraw move that shows `picture`; -1 outside the word.
  int RedrawMoveOf(int picture) const;
  // The first picture drawn after move `move` has been applied; PictureCount() when no
  // picture follows it.
  int FirstPictureAfterMove(int move) const;

 private:
  struct RedrawSpan {
    int move = 0;
    int firstPicture = 0;
    int pictures = 0;
  };
  std::vector<RedrawSpan> redraws_;
  int pictureCount_ = 0;
};

// The script played at `percent` of its speed (25 plays it four times as slowly): every
// animation takes 100 / percent times as many steps, within the table's limit. A
// percent of 100 or more, or below 1, leaves the script as it is.
MoveScript SlowedScript(const MoveScript& script, int percent);
