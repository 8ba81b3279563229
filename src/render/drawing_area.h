#pragma once

#include <QString>

struct AppState;

// What the playback engine draws on: the main window's OpenGL widget, the offscreen
// renderer of the command-line tool, or a fake in tests.
class DrawingArea {
 public:
  virtual ~DrawingArea() = default;
  // Size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Sets the camera and light from state.View, clears, draws hands
  // 0..HandCount-1 and presents the picture.
  virtual void DrawHands(const AppState& state) = 0;
  // Saves the picture last presented; false when it could not be written.
  virtual bool SaveFrame(const QString& path) = 0;
};
