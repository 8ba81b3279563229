#pragma once

#include "playback/drawing_area.h"

#include <QString>

#include <vector>

// Counts the pictures the engine draws and remembers each hand's pose in each.
class FakeDrawingArea : public DrawingArea {
 public:
  struct Picture {
    float wristX[2];
    float indexBase[2];  // Arthro(1, 0, 1) of each hand
    int handsShown;
  };

  int Width() const override { return 320; }
  int Height() const override { return 240; }
  void DrawHands(const HandScene& scene) override {
    Picture p{};
    for (int h = 0; h < 2; ++h) {
      p.wristX[h] = scene.hands[h].pose(0);
      p.indexBase[h] = scene.hands[h].Arthro(1, 0, 1);
    }
    p.handsShown = static_cast<int>(scene.Shown().size());
    pictures.push_back(p);
  }
  bool SaveFrame(const QString& path) override {
    saved.push_back(path);
    return !failSaves;
  }

  std::vector<Picture> pictures;
  std::vector<QString> saved;
  bool failSaves = false;
};
