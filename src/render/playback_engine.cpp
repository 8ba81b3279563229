#include "render/playback_engine.h"

#include "app/app_state.h"
#include "render/camera.h"
#include "render/drawing_area.h"
#include "render/frame_number_text.h"
#include "render/pose_loading.h"

#include <algorithm>

PlaybackEngine::PlaybackEngine(AppState& state, DrawingArea& area) : state_(state), area_(area) {}

bool PlaybackEngine::SetHandPose(int sign, int frame) {
  return ApplyKeyFrame(sign, frame, PoseKind::Current, WristOffsets{});
}

bool PlaybackEngine::SetHandTarget(int sign, int frame) {
  return ApplyKeyFrame(sign, frame, PoseKind::Target, WristOffsets{});
}

bool PlaybackEngine::SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets) {
  return ApplyKeyFrame(sign, frame, PoseKind::Target, offsets);
}

bool PlaybackEngine::ApplyKeyFrame(int sign, int frame, PoseKind kind,
                                   const WristOffsets& offsets) {
  if (sign < 0 || sign >= kSignSlots) return false;
  const SignRecord& record = state_.SignTable[sign];
  if (frame < 0 || frame >= static_cast<int>(record.Frames.size()) || frame >= record.FrameCount)
    return false;

  KeyFrame k = record.Frames[frame];
  for (int i = 0; i < 3; ++i) {
    k.RightWristAngle[i] += offsets[i];
    k.RightWristPos[i] += offsets[3 + i];
    k.LeftWristAngle[i] += offsets[6 + i];
    k.LeftWristPos[i] += offsets[9 + i];
  }

  const bool current = kind == PoseKind::Current;
  if (state_.HandCount == 1) {
    (current ? LoadPoseOneHand : LoadTargetOneHand)(state_, k.RightWristAngle, k.RightFinger,
                                                    k.RightWristPos);
  } else if (state_.HandCount == 2) {
    (current ? LoadPoseTwoHands : LoadTargetTwoHands)(state_, k.RightWristAngle,
                                                      k.LeftWristAngle, k.RightFinger,
                                                      k.LeftFinger, k.RightWristPos,
                                                      k.LeftWristPos);
  }
  return true;
}

void PlaybackEngine::Redraw(int steps) {
  UpdateCamera(state_.View, area_.Width(), area_.Height());
  RenderScene(steps);
}

void PlaybackEngine::RenderScene(int steps) {
  // The drawing area sets the camera and lights before every picture it draws.
  if (steps == 0)
    DrawHands();
  else if (steps > 0)
    AnimateHands(std::min(steps, kMaxSteps));
}

void PlaybackEngine::AnimateHands(int steps) {
  for (int h = 0; h < state_.HandCount && h < 2; ++h) {
    CMano& hand = *state_.Hands[h];
    hand.SetFrameNo(static_cast<int16_t>(steps));
    hand.SetNumFrame0(0);
    hand.Refresh();
    hand.Action();
  }
  PlayFrames();
}

void PlaybackEngine::PlayFrames() {
  const int steps = state_.Hands[0]->FrameNo();
  for (int f = 0; f <= steps; ++f) {
    ShowFrame(f);
    if (state_.RecordMode && !state_.RecordFolder.isEmpty()) {
      const QString file = state_.RecordFolder + FrameNumberText(state_.FrameCounter) + QStringLiteral(".bmp");
      if (!area_.SaveFrame(file)) ++failedSaves_;
    }
    ++state_.FrameCounter;
  }
}

void PlaybackEngine::ShowFrame(int step) {
  for (int h = 0; h < state_.HandCount && h < 2; ++h) state_.Hands[h]->ApplyStep(step);
  DrawHands();
}

void PlaybackEngine::DrawHands() { area_.DrawHands(state_); }
