// Drawing of the hand: the palm and fifteen finger segments, each a tapered prism,
// chained through the matrix stack so that every joint moves everything beyond it.
#include "hand/hand.h"
#include "hand/primitive_sink.h"
#include "hand/tapered_prism.h"

namespace {
constexpr int16_t kHandPrismSides = 8;
}

void Hand::drawPalm(PrimitiveSink& sink) const {
  sink.PushMatrix();
  sink.Scale(palmThickness_, palmWidth_, palmLength_);
  int16_t sides = kHandPrismSides;
  DrawTaperedPrism(sink, sides, palmTaper_);
  sink.PopMatrix();
}

void Hand::drawFingers(PrimitiveSink& sink, int f) const {
  CheckJoint(f, 0, 0);
  if (f >= kUsedFingers) return;
  sink.PushMatrix();
  // The thumb starts at the wrist end of the palm, the fingers at the knuckles.
  sink.Translate(0.0f, fingerOffset_[f], f == 0 ? 0.0f : palmLength_);
  for (int s = 0; s < kUsedSegments; ++s) {
    sink.Rotate(arthro_[f][s][2], 0.0f, 0.0f, 1.0f);
    sink.Rotate(arthro_[f][s][1], 0.0f, 1.0f, 0.0f);
    sink.Rotate(arthro_[f][s][0], 1.0f, 0.0f, 0.0f);
    sink.PushMatrix();
    sink.Scale(fingerWidth_[f], fingerWidth_[f], segmentLength_[f][s]);
    int16_t sides = kHandPrismSides;
    DrawTaperedPrism(sink, sides, 1.0f);
    sink.PopMatrix();
    if (s < kUsedSegments - 1) sink.Translate(0.0f, 0.0f, segmentLength_[f][s]);
  }
  sink.PopMatrix();
}

void Hand::draw(PrimitiveSink& sink) const {
  sink.SetFrontMaterial({skinColour_, {1.0f, 1.0f, 1.0f, 1.0f}, 100.0f});
  sink.PushMatrix();
  sink.Translate(pose_[0], pose_[1], pose_[2]);
  sink.Rotate(pose_[5], 0.0f, 0.0f, 1.0f);
  sink.Rotate(pose_[4], 0.0f, 1.0f, 0.0f);
  sink.Rotate(pose_[3], 1.0f, 0.0f, 0.0f);
  drawPalm(sink);
  for (int f = 0; f < kUsedFingers; ++f) drawFingers(sink, f);
  sink.PopMatrix();
}
