#pragma once

#include "app/app_state.h"
#include "signdata/angle_file.h"

#include <QString>

// Writes an angle data file with one-frame shapes in slots 0..last, each reached at
// `rate`, in the one-hand or two-hand layout. A small rate keeps every movement to a
// few steps even at slow speeds, so a spelled word takes little time.
inline bool WriteAngleTable(const QString& path, int hands, int last, float rate = 0.001f) {
  AppState table;
  table.ColumnCount = hands == 2 ? kTwoHandColumns : kOneHandColumns;
  for (int slot = 0; slot <= last; ++slot) {
    KeyFrame frame;
    frame.Rate = rate;
    frame.RightWristPos[2] = static_cast<float>(slot);
    table.SignTable[slot].FrameCount = 1;
    table.SignTable[slot].Frames = {frame};
  }
  table.SignCount = static_cast<int16_t>(last + 1);
  return static_cast<bool>(SaveAngleFile(table, path));
}
