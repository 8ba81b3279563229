#pragma once

#include "hand/hand.h"

#include <QString>

#include <algorithm>
#include <span>

// What one picture shows: the hands the engine animates, of which the first `count`
// are drawn.
struct HandScene {
  std::span<const Hand> hands;
  int count = 0;

  std::span<const Hand> Shown() const { return hands.first(std::min<size_t>(count, hands.size())); }
};

// What the playback engine draws on: the main window's OpenGL widget, the offscreen
// renderer of the command-line tool, or a fake in tests. Each area owns its view (the
// camera angles) and sets the camera and light from it for every picture.
class DrawingArea {
 public:
  virtual ~DrawingArea() = default;
  // Size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Clears, draws the scene's hands and presents the picture.
  virtual void DrawHands(const HandScene& scene) = 0;
  // Saves the picture last presented; false when it could not be written.
  virtual bool SaveFrame(const QString& path) = 0;
};
