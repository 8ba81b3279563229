#include "playback/frame_recorder.h"

#include "playback/drawing_area.h"
#include "playback/frame_number_text.h"
#include "playback/playback_engine.h"

FrameRecorder::FrameRecorder(PlaybackEngine& engine) : engine_(engine) {
  engine_.SetStepObserver([this](int32_t counter) { StepDrawn(counter); });
}

void FrameRecorder::Start(const QString& folder) {
  folder_ = folder;
  on_ = true;
}

void FrameRecorder::StepDrawn(int32_t frameCounter) {
  if (!IsRecording()) return;
  const QString file = folder_ + FrameNumberText(frameCounter) + QStringLiteral(".bmp");
  if (engine_.Area().SaveFrame(file)) return;
  ++failedSaves_;
  Stop();
  if (failureHandler_) failureHandler_(file);
}
