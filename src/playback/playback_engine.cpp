#include "playback/playback_engine.h"

#include "playback/drawing_area.h"
#include "playback/pose_loading.h"
#include "signdata/sign_table.h"

#include <algorithm>

PlaybackEngine::PlaybackEngine(const SignTable& table, DrawingArea& area)
    : table_(table), area_(area), hands_(std::make_unique<std::array<Hand, 2>>()) {}

PlaybackEngine::~PlaybackEngine() = default;

int PlaybackEngine::ShownHands() const { return std::clamp<int>(table_.HandCount, 0, 2); }

bool PlaybackEngine::SetHandPose(int sign, int frame) {
  return ApplyKeyFrame(sign, frame, PoseKind::Current, WristOffsets{});
}

bool PlaybackEngine::SetHandTarget(int sign, int frame) {
  return ApplyKeyFrame(sign, frame, PoseKind::Target, WristOffsets{});
}

bool PlaybackEngine::SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets) {
  return ApplyKeyFrame(sign, frame, PoseKind::Target, offsets);
}

void PlaybackEngine::Apply(const Move& move) {
  switch (move.kind) {
    case Move::Kind::SetPose: SetHandPose(move.sign, move.frame); break;
    case Move::Kind::SetTarget: SetHandTarget(move.sign, move.frame); break;
    case Move::Kind::SetTargetShifted:
      SetHandTargetShifted(move.sign, move.frame, move.offsets);
      break;
    case Move::Kind::Redraw: break;
  }
}

bool PlaybackEngine::ApplyKeyFrame(int sign, int frame, PoseKind kind,
                                   const WristOffsets& offsets) {
  if (frame < 0 || frame >= table_.KeyFrameCount(sign)) return false;

  KeyFrame k = table_.Frame(sign, frame);
  for (int i = 0; i < 3; ++i) {
    k.RightWristAngle[i] += offsets[i];
    k.RightWristPos[i] += offsets[3 + i];
    k.LeftWristAngle[i] += offsets[6 + i];
    k.LeftWristPos[i] += offsets[9 + i];
  }

  Hand& right = (*hands_)[0];
  Hand& left = (*hands_)[1];
  const bool current = kind == PoseKind::Current;
  if (table_.HandCount == 1) {
    (current ? LoadPose : LoadTarget)(right, k.RightWristAngle, k.RightFinger, k.RightWristPos);
  } else if (table_.HandCount == 2) {
    (current ? LoadPose : LoadTarget)(right, k.RightWristAngle, k.RightFinger, k.RightWristPos);
    (current ? LoadPose : LoadTarget)(left, k.LeftWristAngle, k.LeftFinger, k.LeftWristPos);
  }
  return true;
}

void PlaybackEngine::Redraw(int steps, Move::Pace pace) {
  const int pictures = BeginRedraw(steps, pace);
  for (int i = 0; i < pictures; ++i) ShowRedrawPicture(i);
}

int PlaybackEngine::BeginRedraw(int steps, Move::Pace pace) {
  animating_ = steps > 0;
  if (steps < 0) return 0;
  if (steps == 0) return 1;
  const int clamped = std::min(steps, kMaxSteps);
  for (int h = 0; h < ShownHands(); ++h) {
    Hand& hand = (*hands_)[h];
    hand.SetFrameNo(static_cast<int16_t>(clamped));
    hand.SetNumFrame0(0);
    hand.Refresh();
    switch (pace) {
      case Move::Pace::Even: hand.Action(); break;
      case Move::Pace::Eased: hand.ActionEased(); break;
      case Move::Pace::Held: hand.HoldCurrent(); break;
    }
  }
  return clamped + 1;
}

void PlaybackEngine::SettleRedraw(int pictures) {
  if (!animating_ || pictures < 1) return;
  for (int h = 0; h < ShownHands(); ++h) (*hands_)[h].ApplyStep(pictures - 1);
}

void PlaybackEngine::ShowRedrawPicture(int index) {
  if (animating_)
    ShowAnimationStep(index);
  else
    DrawHands();
}

void PlaybackEngine::ShowAnimationStep(int step) {
  for (int h = 0; h < ShownHands(); ++h) (*hands_)[h].ApplyStep(step);
  DrawHands();
  if (observer_) observer_(frameCounter_);
  ++frameCounter_;
}

void PlaybackEngine::DrawHands() { area_.DrawHands({*hands_, ShownHands()}); }
