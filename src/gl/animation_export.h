#pragma once

#include "gl/animation_writer.h"
#include "playback/move_script.h"
#include "hand/hand_appearance.h"
#include "playback/view_state.h"

#include <QSize>
#include <QString>

#include <functional>

struct SignTable;

// Everything an export draws with: the file (its extension picks the format), the
// picture size and the view the hands are seen from.
struct AnimationExportSettings {
  QString path;
  QSize size{640, 480};
  ViewState view;
  // The hands as the drawing area shows them; Natural falls back to Classic where its
  // shaders cannot run, as on screen.
  HandAppearance appearance = HandAppearance::Classic;
};

// Steps drawn so far and in all; false from the callback cancels the export.
using ExportProgress = std::function<bool(int done, int total)>;

struct AnimationExportResult {
  enum class Outcome { Written, Cancelled, Failed };
  Outcome outcome = Outcome::Failed;
  QString reason;  // why it failed
  int steps = 0;   // animation steps drawn, one per 1/60 s
};

// The animation steps `script` draws (as the frame counter counts them).
int AnimationStepsOf(const MoveScript& script);

// Plays `script` offscreen over `table` and writes every animation step to the file,
// at the program's pace of 60 steps a second. A cancelled or failed export leaves no
// file behind; an existing file of that name stays as it was.
AnimationExportResult ExportScript(const SignTable& table, const MoveScript& script,
                                   const AnimationExportSettings& settings,
                                   const ExportProgress& progress, const AnimationNote& note);
