#pragma once

#include "playback/drawing_area.h"

#include <QString>

#include <array>
#include <vector>

// Remembers the wrist of both hands (pose slots 0..5: position x, y, z, then angles
// about x, y, z) in every picture the engine draws.
class PoseRecordingArea : public DrawingArea {
 public:
  using Wrist = std::array<float, 6>;
  struct Picture {
    Wrist right;
    Wrist left;
  };

  int Width() const override { return 320; }
  int Height() const override { return 240; }
  void DrawHands(const HandScene& scene) override {
    Picture p{};
    for (int i = 0; i < 6; ++i) {
      p.right[i] = scene.hands[0].pose(i);
      p.left[i] = scene.hands[1].pose(i);
    }
    pictures.push_back(p);
  }
  bool SaveFrame(const QString&) override { return true; }

  std::vector<Picture> pictures;
};
