#pragma once

#include <QString>

#include <cstdint>

class PlaybackEngine;

// Saves every animation step the engine draws as a numbered picture (000.bmp,
// 001.bmp, ...) into a folder while recording is on.
class FrameRecorder {
 public:
  // Watches `engine` from now on; one recorder per engine.
  explicit FrameRecorder(PlaybackEngine& engine);

  void Start(const QString& folder);  // the folder ends with a separator
  void Stop() { on_ = false; }
  bool IsRecording() const { return on_ && !folder_.isEmpty(); }
  const QString& Folder() const { return folder_; }

  // Steps that could not be saved since the recorder was made.
  int FailedSaves() const { return failedSaves_; }

 private:
  void StepDrawn(int32_t frameCounter);

  PlaybackEngine& engine_;
  QString folder_;
  bool on_ = false;
  int failedSaves_ = 0;
};
