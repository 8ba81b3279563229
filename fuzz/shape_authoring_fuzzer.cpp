// Any bytes as a hand-shape source. The input is split at NUL bytes: the first part is
// the source, the others are what its includes read (each name picks one by its hash).
// Whatever the source, the reader ends soon, and the shapes it accepts hold finite
// values only in a slot range with every slot filled.
#include "signdata/shape_authoring.h"

#include <QHash>

#include <cmath>
#include <cstdlib>

namespace {

bool AllFinite(const KeyFrame& k) {
  const auto finite = [](const auto& values) {
    for (const float v : values)
      if (!std::isfinite(v)) return false;
    return true;
  };
  return std::isfinite(k.Rate) && finite(k.RightFinger) && finite(k.LeftFinger) &&
         finite(k.RightWristAngle) && finite(k.LeftWristAngle) && finite(k.RightWristPos) &&
         finite(k.LeftWristPos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QList<QByteArray> parts = bytes.split('\0');
  const auto readInclude = [&parts](const QString& name) -> std::optional<QString> {
    if (parts.size() < 2) return std::nullopt;
    return QString::fromUtf8(parts[1 + static_cast<qsizetype>(qHash(name) % (parts.size() - 1))]);
  };
  const ShapeAuthoringResult result = ParseShapeAuthoring(QString::fromUtf8(parts[0]), readInclude);
  if (!result.ok) {
    if (result.error.isEmpty()) std::abort();
    return 0;
  }
  if (result.shapes.SignCount < 1 || result.shapes.SignCount > kSignSlots) std::abort();
  for (int slot = 0; slot < result.shapes.SignCount; ++slot) {
    const SignRecord& record = (*result.shapes.Table)[slot];
    if (record.Frames.empty() || record.FrameCount != static_cast<int>(record.Frames.size())) std::abort();
    for (const KeyFrame& frame : record.Frames)
      if (!AllFinite(frame)) std::abort();
  }
  return 0;
}
