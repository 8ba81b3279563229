#include "hand/hand_landmarks.h"

#include "hand/hand.h"
#include "hand/hand_skeleton.h"
#include "hand/recording_sink.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QStringList kFingerNames = {"thumb", "index", "middle", "ring", "little"};

// A point given in the palm's own coordinates (x towards the palm side, y towards the
// index side, z from the wrist to the knuckles).
Vec3 PalmPoint(const Hand& hand, const Vec3& local) {
  RecordingSink placed;
  placed.Translate(hand.pose(0), hand.pose(1), hand.pose(2));
  placed.Rotate(hand.pose(5), 0.0f, 0.0f, 1.0f);
  placed.Rotate(hand.pose(4), 0.0f, 1.0f, 0.0f);
  placed.Rotate(hand.pose(3), 1.0f, 0.0f, 0.0f);
  return placed.Current().TransformPoint(local);
}

// The place along a finger that FINGER or FINGER.N names, and the finger.
std::optional<float> AlongFinger(const QString& name, int* finger) {
  const qsizetype dot = name.indexOf(u'.');
  *finger = static_cast<int>(kFingerNames.indexOf(dot < 0 ? name : name.left(dot)));
  if (*finger < 0) return std::nullopt;
  if (dot < 0) return 3.0f;
  bool ok = false;
  const float along = name.mid(dot + 1).toFloat(&ok);
  if (!ok || !std::isfinite(along) || along < 0.0f || along > 3.0f) return std::nullopt;
  return along;
}

bool IsPalmName(const QString& name) {
  return name == u"palm" || name == u"heel" || name == u"back" || name == u"edge" || name == u"wrist";
}

}  // namespace

bool IsHandLandmarkName(const QString& name) {
  int finger = 0;
  return IsPalmName(name) || AlongFinger(name, &finger).has_value();
}

std::optional<Vec3> HandLandmark(const Hand& hand, const QString& name) {
  const float halfLength = hand.PalmLength() / 2.0f;
  if (name == u"wrist") return PalmPoint(hand, {0.0f, 0.0f, 0.0f});
  if (name == u"palm") return PalmPoint(hand, {hand.PalmThickness() / 2.0f, 0.0f, halfLength});
  if (name == u"heel") return PalmPoint(hand, {hand.PalmThickness() / 2.0f, 0.0f, hand.PalmLength() * 0.15f});
  if (name == u"back") return PalmPoint(hand, {-hand.PalmThickness() / 2.0f, 0.0f, halfLength});
  if (name == u"edge") {
    // The palm widens from the wrist to the knuckles.
    const float halfWidth = hand.PalmWidth() * (1.0f + hand.PalmTaper()) / 4.0f;
    return PalmPoint(hand, {0.0f, -halfWidth, halfLength});
  }

  int finger = 0;
  const std::optional<float> found = AlongFinger(name, &finger);
  if (!found) return std::nullopt;
  const float along = *found;
  const int segment = std::min(static_cast<int>(along), Hand::kUsedSegments - 1);
  const float t = along - static_cast<float>(segment);
  const PrismAxis axis = HandPrismAxes(hand).at(PrismIndex(finger, segment));
  return Vec3{axis.base.x + (axis.top.x - axis.base.x) * t, axis.base.y + (axis.top.y - axis.base.y) * t,
              axis.base.z + (axis.top.z - axis.base.z) * t};
}
