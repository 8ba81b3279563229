#pragma once

#include <QString>

#include <cstdint>
#include <functional>

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

  // A step that cannot be saved (a full disk, no permission) stops the recording, so
  // the user hears of it once rather than once per step; `handler` is then told which
  // file it was.
  using FailureHandler = std::function<void(const QString& file)>;
  void SetFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }

 private:
  void StepDrawn(int32_t frameCounter);

  PlaybackEngine& engine_;
  QString folder_;
  bool on_ = false;
  int failedSaves_ = 0;
  FailureHandler failureHandler_;
};
