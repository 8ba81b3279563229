#include "signdata/apart_key_frame.h"

#include "hand/hand.h"
#include "hand/hand_interpenetration.h"
#include "hand/hand_volumes.h"
#include "signdata/key_frame_pose.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>

namespace {

// Authoring solves each placement anew, so equal values can differ in their last
// digits.
constexpr float kSameValue = 0.01f;

template <size_t N>
bool SameValues(const std::array<float, N>& a, const std::array<float, N>& b, size_t used) {
  return std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(used), b.begin(),
                    [](float x, float y) { return std::abs(x - y) <= kSameValue; });
}

Vec3 Difference(const std::array<float, 4>& a, const std::array<float, 4>& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

// The hand whose wrist position alone tells `apart` from `contact`.
std::optional<int> OnlyWristPositionMoves(const KeyFrame& apart, const KeyFrame& contact) {
  if (!SameValues(apart.RightFinger, contact.RightFinger, 45) ||
      !SameValues(apart.LeftFinger, contact.LeftFinger, 45) ||
      !SameValues(apart.RightWristAngle, contact.RightWristAngle, 3) ||
      !SameValues(apart.LeftWristAngle, contact.LeftWristAngle, 3))
    return std::nullopt;
  const bool rightMoves = !SameValues(apart.RightWristPos, contact.RightWristPos, 3);
  const bool leftMoves = !SameValues(apart.LeftWristPos, contact.LeftWristPos, 3);
  if (rightMoves == leftMoves) return std::nullopt;
  return rightMoves ? 0 : 1;
}

}  // namespace

float HandsGap(const KeyFrame& frame) {
  auto right = std::make_unique<Hand>();
  auto left = std::make_unique<Hand>();
  PoseHandBetween(*right, frame, frame, 0, 0.0f);
  PoseHandBetween(*left, frame, frame, 1, 0.0f);
  return HandsGap(MakeHandVolumes(*right), MakeHandVolumes(*left));
}

float HandsGap(const HandVolumes& right, const HandVolumes& left) {
  // With a tolerance below any gap every pair of parts is listed, nearest first.
  const std::vector<Interpenetration> pairs =
      FindInterpenetrations(right, left, -std::numeric_limits<float>::max());
  float nearest = -std::numeric_limits<float>::max();
  for (const Interpenetration& pair : pairs) {
    // Palm against palm is measured only as an overlap, never as a gap.
    if (pair.first.IsPalm() && pair.second.IsPalm() && pair.depth <= 0.0f) continue;
    nearest = std::max(nearest, pair.depth);
  }
  return -nearest;
}

std::optional<ApartOffset> ApartKeyFrameOffset(const SignTable& table, int sign, int frame) {
  if (table.HandCount != 2) return std::nullopt;
  const int frames = table.KeyFrameCount(sign);
  if (frames < 3 || (frame != 0 && frame != frames - 1)) return std::nullopt;
  const KeyFrame& apart = table.Frame(sign, frame);
  const KeyFrame& contact = table.Frame(sign, frame == 0 ? 1 : frames - 2);
  const std::optional<int> hand = OnlyWristPositionMoves(apart, contact);
  if (!hand) return std::nullopt;
  if (HandsGap(contact) > kMeetingGap || HandsGap(apart) <= kMeetingGap) return std::nullopt;
  const Vec3 offset = *hand == 0 ? Difference(apart.RightWristPos, contact.RightWristPos)
                                 : Difference(apart.LeftWristPos, contact.LeftWristPos);
  return ApartOffset{*hand, offset};
}
