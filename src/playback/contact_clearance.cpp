#include "playback/contact_clearance.h"

#include "hand/hand.h"
#include "hand/hand_volumes.h"
#include "signdata/apart_key_frame.h"
#include "signdata/key_frame_pose.h"
#include "signdata/sign_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace {

bool Exists(const SignTable& table, const KeyFrameTarget& target) {
  return target.frame >= 0 && target.frame < table.KeyFrameCount(target.sign);
}

// The key frame as the engine makes it a target.
KeyFrame ShiftedFrame(const SignTable& table, const KeyFrameTarget& target) {
  KeyFrame k = table.Frame(target.sign, target.frame);
  for (int i = 0; i < 3; ++i) {
    k.RightWristAngle[i] += target.offsets[kRightWristAngleX + i];
    k.RightWristPos[i] += target.offsets[kRightWristPosX + i];
    k.LeftWristAngle[i] += target.offsets[kLeftWristAngleX + i];
    k.LeftWristPos[i] += target.offsets[kLeftWristPosX + i];
  }
  return k;
}

float Length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
Vec3 Scaled(const Vec3& v, float k) { return {v.x * k, v.y * k, v.z * k}; }
Vec3 Sum(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Difference(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The wrist position enters a hand's drawing as a plain translation, so a hand moved
// by `by` has its solids moved by `by`.
HandVolumes Translated(HandVolumes hand, const Vec3& by) {
  for (HandVolumes::Capsule& capsule : hand.capsules) {
    capsule.start = Sum(capsule.start, by);
    capsule.end = Sum(capsule.end, by);
  }
  for (HandVolumes::Plane& face : hand.palmFaces) face.offset += Dot(face.normal, by);
  for (Vec3& point : hand.palmPoints) point = Sum(point, by);
  return hand;
}

// A ball around all of a hand's solids, for passing over hands far apart at once.
struct Bounds {
  Vec3 centre;
  float radius = 0.0f;
};

Bounds BoundsOf(const HandVolumes& hand) {
  Vec3 sum;
  int count = 0;
  for (const HandVolumes::Capsule& capsule : hand.capsules) {
    sum = Sum(sum, Sum(capsule.start, capsule.end));
    count += 2;
  }
  for (const Vec3& point : hand.palmPoints) {
    sum = Sum(sum, point);
    ++count;
  }
  Bounds bounds{Scaled(sum, 1.0f / static_cast<float>(std::max(count, 1))), 0.0f};
  for (const HandVolumes::Capsule& capsule : hand.capsules) {
    const float reach = std::max(Length(Difference(capsule.start, bounds.centre)),
                                 Length(Difference(capsule.end, bounds.centre)));
    bounds.radius = std::max(bounds.radius, reach + capsule.radius);
  }
  for (const Vec3& point : hand.palmPoints)
    bounds.radius = std::max(bounds.radius, Length(Difference(point, bounds.centre)));
  return bounds;
}

// Where sample i of a straight stretch lies, 0 at its start and 1 at its end: evenly
// spaced at sixteenths, and finer within the first and last sixteenth, where hands
// leaving or meeting a contact (a thumb across a thumb) can pass through each other
// in the first few units between two even samples.
constexpr std::array<float, kLastSample + 1> kSampleShares = {
    0.0f,         1.0f / 128,   1.0f / 64,    1.0f / 32,   3.0f / 64,   1.0f / 16,    2.0f / 16,
    3.0f / 16,    4.0f / 16,    5.0f / 16,    6.0f / 16,   7.0f / 16,   8.0f / 16,    9.0f / 16,
    10.0f / 16,   11.0f / 16,   12.0f / 16,   13.0f / 16,  14.0f / 16,  15.0f / 16,   61.0f / 64,
    31.0f / 32,   63.0f / 64,   127.0f / 128, 1.0f};

float SampleShare(int i) { return kSampleShares[static_cast<size_t>(i)]; }

// How deep the hands may overlap along a way between two contacts: the tolerance, or
// an authored contact's own depth and a little more, for the first fine samples off it
// go that deep before the hands part.
float AllowedDepth(float tolerance, float startDepth, float endDepth) {
  constexpr float kContactSlack = 0.5f;
  const float contact = std::max(startDepth, endDepth);
  return contact > 0.0f ? std::max(tolerance, contact + kContactSlack) : tolerance;
}

// The deepest overlap of two hands beyond `tolerance`, 0 when there is none.
float Depth(const HandVolumes& right, const HandVolumes& left, float tolerance) {
  const std::vector<Interpenetration> found = FindInterpenetrations(right, left, tolerance);
  return found.empty() ? 0.0f : found.front().depth;
}

// The hands at the samples of the straight move between two key frames: sample i is
// at SampleShare(i) of the way. Every lifted way is made of these samples with
// one hand moved: a wrist value added at both ends of a straight move is added all
// along it, and one added at one end only is added in proportion.
class StraightWay {
 public:
  StraightWay(const KeyFrame& from, const KeyFrame& to, float tolerance) {
    auto hand = std::make_unique<Hand>();
    for (int h = 0; h < 2; ++h)
      for (int i = 0; i <= kLastSample; ++i) {
        PoseHandTurning(*hand, from, to, h, SampleShare(i));
        samples_[static_cast<size_t>(h)].push_back(MakeHandVolumes(*hand));
        bounds_[static_cast<size_t>(h)].push_back(BoundsOf(samples_[static_cast<size_t>(h)].back()));
      }
    // An authored contact may itself overlap a little deeper than the tolerance; the
    // way between is held to no more than that.
    allowed_ = AllowedDepth(tolerance, Depth(samples_[0].front(), samples_[1].front(), tolerance),
                            Depth(samples_[0].back(), samples_[1].back(), tolerance));
  }

  // Sample i with the right hand moved by `right` and the left by `left`: whether the
  // hands overlap there.
  bool Collides(int i, const Vec3& right, const Vec3& left) const {
    const size_t index = static_cast<size_t>(i);
    const Bounds& a = bounds_[0][index];
    const Bounds& b = bounds_[1][index];
    if (Length(Difference(Sum(a.centre, right), Sum(b.centre, left))) > a.radius + b.radius) return false;
    return Depth(Moved(samples_[0][index], right), Moved(samples_[1][index], left), allowed_) > 0.0f;
  }

  const HandVolumes& Sample(int hand, int i) const {
    return samples_[static_cast<size_t>(hand)][static_cast<size_t>(i)];
  }

 private:
  static HandVolumes Moved(const HandVolumes& hand, const Vec3& by) {
    return by == Vec3{} ? hand : Translated(hand, by);
  }

  std::array<std::vector<HandVolumes>, 2> samples_;
  std::array<std::vector<Bounds>, 2> bounds_;
  float allowed_ = 0.0f;
};

// The way each hand is lifted, a unit vector, or none for a hand that stays.
struct LiftDirection {
  std::array<Vec3, 2> unit;
  LiftAlong along = LiftAlong::Approach;

  static LiftDirection OfHand(int hand, const Vec3& unit, LiftAlong along) {
    LiftDirection direction{{}, along};
    direction.unit[static_cast<size_t>(hand)] = unit;
    return direction;
  }
};

// One point checked along a lifted way: straight-way sample `sample` with the lifted
// hand moved by `share` of the lift.
struct WayPoint {
  int sample = 0;
  float share = 0.0f;
};

// The points WayIsClear would check along the lifted way, coarse to fine within each
// stretch so that a collision, mostly in the middle, is met early.
std::vector<WayPoint> PointsOf(ClearanceVia via) {
  constexpr int n = kLastSample;
  std::vector<WayPoint> points{{0, 0.0f}};
  auto stretch = [&points](auto pointAt) {
    std::array<bool, n + 1> taken{};
    for (int stride = 16; stride >= 1; stride /= 2)
      for (int k = stride; k <= n; k += stride)
        if (!std::exchange(taken[static_cast<size_t>(k)], true)) points.push_back(pointAt(k));
  };
  auto share = [](int k) { return SampleShare(k); };
  switch (via) {
    case ClearanceVia::None: stretch([&](int k) { return WayPoint{k, 0.0f}; }); break;
    case ClearanceVia::BeforeArrival:
      stretch([&](int k) { return WayPoint{k, share(k)}; });
      stretch([&](int k) { return WayPoint{n, 1.0f - share(k)}; });
      break;
    case ClearanceVia::AfterLeaving:
      stretch([&](int k) { return WayPoint{0, share(k)}; });
      stretch([&](int k) { return WayPoint{k, 1.0f - share(k)}; });
      break;
    case ClearanceVia::LeaveAndArrive:
      stretch([&](int k) { return WayPoint{0, share(k)}; });
      stretch([&](int k) { return WayPoint{k, 1.0f}; });
      stretch([&](int k) { return WayPoint{n, 1.0f - share(k)}; });
      break;
  }
  return points;
}

bool ClearWithLift(const StraightWay& way, const std::vector<WayPoint>& points,
                   const LiftDirection& direction, float distance) {
  const Vec3 right = Scaled(direction.unit[0], distance);
  const Vec3 left = Scaled(direction.unit[1], distance);
  return std::none_of(points.begin(), points.end(), [&](const WayPoint& point) {
    return way.Collides(point.sample, Scaled(right, point.share), Scaled(left, point.share));
  });
}

std::optional<LiftDirection> ApartDirection(const SignTable& table, int sign, LiftAlong along) {
  const int last = table.KeyFrameCount(sign) - 1;
  for (const int frame : along == LiftAlong::Approach ? std::array{0, last} : std::array{last, 0}) {
    const std::optional<ApartOffset> apart = ApartKeyFrameOffset(table, sign, frame);
    if (!apart) continue;
    const float length = Length(apart->offset);
    if (length <= 0.0f) continue;
    return LiftDirection::OfHand(apart->hand, Scaled(apart->offset, 1.0f / length), along);
  }
  return std::nullopt;
}

// Where no apart frame gives a way that clears, the directions from the solids: to the
// corners, edges and faces of a cube, those in which a move of `hand` by a finger's
// width opens the widest gaps to the other hand at sample `i`, widest first.
constexpr float kNormalProbe = 16.0f;
constexpr size_t kNormalsTried = 4;

std::vector<LiftDirection> OpeningDirections(const StraightWay& way, int hand, int i,
                                             size_t tried = kNormalsTried) {
  std::vector<std::pair<float, LiftDirection>> ranked;
  for (int x = -1; x <= 1; ++x)
    for (int y = -1; y <= 1; ++y)
      for (int z = -1; z <= 1; ++z) {
        if (x == 0 && y == 0 && z == 0) continue;
        const Vec3 d{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
        const Vec3 unit = Scaled(d, 1.0f / Length(d));
        const HandVolumes moved = Translated(way.Sample(hand, i), Scaled(unit, kNormalProbe));
        const float gap = hand == 0 ? HandsGap(moved, way.Sample(1, i)) : HandsGap(way.Sample(0, i), moved);
        ranked.emplace_back(gap, LiftDirection::OfHand(hand, unit, LiftAlong::Opening));
      }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<LiftDirection> directions;
  for (size_t k = 0; k < std::min(tried, ranked.size()); ++k) directions.push_back(ranked[k].second);
  return directions;
}

ContactClearance Lifted(ClearanceVia via, const LiftDirection& direction, float distance) {
  ContactClearance clearance{via, direction.along, distance, {}};
  for (const int hand : {0, 1}) {
    const size_t first = hand == 0 ? kRightWristPosX : kLeftWristPosX;
    const Vec3& unit = direction.unit[static_cast<size_t>(hand)];
    clearance.lift[first] = unit.x * distance;
    clearance.lift[first + 1] = unit.y * distance;
    clearance.lift[first + 2] = unit.z * distance;
  }
  return clearance;
}

WristOffsets Plus(const WristOffsets& a, const WristOffsets& b) {
  WristOffsets sum{};
  for (size_t i = 0; i < sum.size(); ++i) sum[i] = a[i] + b[i];
  return sum;
}

std::vector<KeyFrame> ShiftedFrames(const SignTable& table, const std::vector<KeyFrameTarget>& way) {
  std::vector<KeyFrame> frames;
  frames.reserve(way.size());
  for (const KeyFrameTarget& target : way) frames.push_back(ShiftedFrame(table, target));
  return frames;
}

}  // namespace

bool ContactClearance::Lifts(int hand) const {
  const size_t first = hand == 0 ? kRightWristPosX : kLeftWristPosX;
  return lift[first] != 0.0f || lift[first + 1] != 0.0f || lift[first + 2] != 0.0f;
}

std::vector<KeyFrameTarget> ClearedWay(const KeyFrameTarget& from, const KeyFrameTarget& to,
                                       const ContactClearance& clearance) {
  const KeyFrameTarget leaving{from.sign, from.frame, Plus(from.offsets, clearance.lift)};
  const KeyFrameTarget arriving{to.sign, to.frame, Plus(to.offsets, clearance.lift)};
  switch (clearance.via) {
    case ClearanceVia::None: return {from, to};
    case ClearanceVia::BeforeArrival: return {from, arriving, to};
    case ClearanceVia::AfterLeaving: return {from, leaving, to};
    case ClearanceVia::LeaveAndArrive: return {from, leaving, arriving, to};
  }
  return {from, to};
}

bool WayIsClear(const SignTable& table, const std::vector<KeyFrameTarget>& way, float tolerance) {
  if (table.HandCount != 2 || way.empty()) return true;
  if (!std::all_of(way.begin(), way.end(), [&table](const KeyFrameTarget& t) { return Exists(table, t); }))
    return false;
  const std::vector<KeyFrame> frames = ShiftedFrames(table, way);
  auto right = std::make_unique<Hand>();
  auto left = std::make_unique<Hand>();
  auto depthAt = [&](const KeyFrame& a, const KeyFrame& b, float t, float beyond) {
    PoseHandTurning(*right, a, b, 0, t);
    PoseHandTurning(*left, a, b, 1, t);
    return Depth(MakeHandVolumes(*right), MakeHandVolumes(*left), beyond);
  };
  const float allowed = AllowedDepth(tolerance, depthAt(frames.front(), frames.front(), 0.0f, tolerance),
                                     depthAt(frames.back(), frames.back(), 0.0f, tolerance));
  for (size_t leg = 0; leg + 1 < frames.size(); ++leg)
    for (int i = leg == 0 ? 0 : 1; i <= kLastSample; ++i)
      if (depthAt(frames[leg], frames[leg + 1], SampleShare(i), allowed) > 0.0f)
        return false;
  return true;
}

std::optional<ContactClearance> FindContactClearance(const SignTable& table, const KeyFrameTarget& from,
                                                     const KeyFrameTarget& to, float tolerance) {
  if (!Exists(table, from) || !Exists(table, to)) return std::nullopt;
  if (table.HandCount != 2) return ContactClearance{};
  const KeyFrame start = ShiftedFrame(table, from);
  const KeyFrame end = ShiftedFrame(table, to);
  const StraightWay way(start, end, tolerance);
  if (ClearWithLift(way, PointsOf(ClearanceVia::None), LiftDirection{}, 0.0f)) return ContactClearance{};

  const std::optional<LiftDirection> approach = ApartDirection(table, to.sign, LiftAlong::Approach);
  const std::optional<LiftDirection> leaving = ApartDirection(table, from.sign, LiftAlong::Leaving);
  std::vector<LiftDirection> directions;
  auto consider = [&directions](const LiftDirection& direction) {
    const auto same = [&direction](const LiftDirection& d) { return d.unit == direction.unit; };
    if (std::none_of(directions.begin(), directions.end(), same)) directions.push_back(direction);
  };
  if (approach) consider(*approach);
  if (leaving) consider(*leaving);
  // The last letter's hand leaves as the next letter's hand arrives.
  for (const int hand : {0, 1}) {
    const size_t arriving = static_cast<size_t>(hand);
    const size_t leavingHand = static_cast<size_t>(1 - hand);
    if (approach && leaving && approach->unit[arriving] != Vec3{} && leaving->unit[leavingHand] != Vec3{}) {
      LiftDirection both{{}, LiftAlong::ApproachAndLeaving};
      both.unit[arriving] = approach->unit[arriving];
      both.unit[leavingHand] = leaving->unit[leavingHand];
      consider(both);
    }
  }

  // The way with both via targets is the likeliest to need the least lift; a way with
  // one via target is taken when it needs no more.
  constexpr std::array kVias{ClearanceVia::LeaveAndArrive, ClearanceVia::BeforeArrival,
                             ClearanceVia::AfterLeaving};
  std::array<std::vector<WayPoint>, kVias.size()> points;
  for (size_t v = 0; v < kVias.size(); ++v) points[v] = PointsOf(kVias[v]);

  std::optional<ContactClearance> best;
  auto search = [&](const LiftDirection& direction) {
    for (size_t v = 0; v < kVias.size(); ++v) {
      auto clearAt = [&](float distance) { return ClearWithLift(way, points[v], direction, distance); };
      float high = best ? (v == 0 ? best->distance - kLiftResolution : best->distance) : kLongestLift;
      if (high <= 0.0f || !clearAt(high)) continue;
      // Small lifts are the common case: double up to the first that clears, then
      // halve the interval in which the least lies.
      float low = 0.0f;  // the straight way, known to collide
      for (float probe = 4.0f * kLiftResolution; probe < high; probe *= 2.0f) {
        if (clearAt(probe)) {
          high = probe;
          break;
        }
        low = probe;
      }
      while (high - low > kLiftResolution) {
        const float middle = (low + high) / 2.0f;
        (clearAt(middle) ? high : low) = middle;
      }
      best = Lifted(kVias[v], direction, high);
    }
  };
  for (const LiftDirection& direction : directions) search(direction);
  if (best) return best;
  // Either hand may be lifted; the hand the next letter moves first.
  const int first = approach && approach->unit[0] == Vec3{} ? 1 : 0;
  for (const int hand : {first, 1 - first})
    for (const int i : {kLastSample, 0})
      for (const LiftDirection& direction : OpeningDirections(way, hand, i)) search(direction);
  if (best) return best;
  // Both hands moving through where the other was: each opens the gap its own way.
  for (const int i : {kLastSample, 0}) {
    const std::vector<LiftDirection> right = OpeningDirections(way, 0, i);
    const std::vector<LiftDirection> left = OpeningDirections(way, 1, i);
    for (size_t k = 0; k < std::min(right.size(), left.size()); ++k)
      search(LiftDirection{{right[k].unit[0], left[k].unit[1]}, LiftAlong::Opening});
  }
  if (best) return best;
  // Last, every direction of the cube: the widest gap a short move opens at either end
  // does not always lead round the fingers that change on the way.
  constexpr size_t kEveryDirection = 26;
  for (const int hand : {first, 1 - first})
    for (const LiftDirection& direction : OpeningDirections(way, hand, 0, kEveryDirection)) search(direction);
  if (best) return best;
  const std::vector<LiftDirection> right = OpeningDirections(way, 0, 0, kEveryDirection);
  const std::vector<LiftDirection> left = OpeningDirections(way, 1, 0, kEveryDirection);
  for (size_t k = 0; k < std::min(right.size(), left.size()); ++k)
    search(LiftDirection{{right[k].unit[0], left[k].unit[1]}, LiftAlong::Opening});
  return best;
}
