#pragma once

#include "playback/drawing_area.h"
#include "signdata/sign_table.h"

#include <QString>

#include <array>
#include <vector>

// A key frame the fake area tells apart: the right wrist at x = `wrist` and its index
// finger's base bent by `bend`; the left hand mirrored.
inline KeyFrame MarkedFrame(float wrist, float bend) {
  KeyFrame k;
  k.Rate = 1.0f;
  k.RightWristPos[0] = wrist;
  k.RightFinger[9 * 1 + 1] = bend;
  k.LeftWristPos[0] = -wrist;
  k.LeftFinger[9 * 1 + 1] = -bend;
  return k;
}

// A one-hand table whose slots 0, 1, ... hold these key frames.
inline SignTable MarkedTable(const std::vector<std::vector<KeyFrame>>& signs) {
  SignTable table = SignTable::WithHands(1);
  for (size_t i = 0; i < signs.size(); ++i) {
    table.Signs[i].FrameCount = static_cast<int16_t>(signs[i].size());
    table.Signs[i].Frames = signs[i];
  }
  table.SignCount = static_cast<int16_t>(signs.size());
  return table;
}

// Counts the pictures the engine draws and remembers in each the wrist of both hands
// (pose slots 0..5: position x, y, z, then angles about x, y, z), their index fingers'
// base and how many hands were shown.
class FakeDrawingArea : public DrawingArea {
 public:
  using Wrist = std::array<float, 6>;
  struct Picture {
    Wrist right;
    Wrist left;
    float indexBase[2];  // Arthro(1, 0, 1) of each hand
    int handsShown;
  };

  int Width() const override { return 320; }
  int Height() const override { return 240; }
  void DrawHands(const HandScene& scene) override {
    Picture p{};
    for (int i = 0; i < 6; ++i) {
      p.right[i] = scene.hands[0].pose(i);
      p.left[i] = scene.hands[1].pose(i);
    }
    for (int h = 0; h < 2; ++h) p.indexBase[h] = scene.hands[h].Arthro(1, 0, 1);
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
