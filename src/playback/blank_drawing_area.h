#pragma once

#include "playback/drawing_area.h"

// A drawing area that draws nothing, for playing a word only to see what the engine
// is asked to do (tracing, measuring the converters).
class BlankDrawingArea : public DrawingArea {
 public:
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene&) override {}
  // There is no picture to save.
  bool SaveFrame(const QString&) override { return false; }
};
