#pragma once

#include "signdata/sign_table.h"
#include "signdata/angle_file.h"

#include <QString>

#include <memory>

// A table with one-frame shapes in slots 0..last, each reached at `rate`, in the
// one-hand or two-hand layout; each slot holds its wrist at the height of its number.
// A small rate keeps every movement to a few steps even at slow speeds, so a spelled
// word takes little time.
inline std::unique_ptr<SignTable> PlainAngleTable(int hands, int last, float rate = 0.001f) {
  auto table = std::make_unique<SignTable>();
  table->ColumnCount = hands == 2 ? kTwoHandColumns : kOneHandColumns;
  for (int slot = 0; slot <= last; ++slot) {
    KeyFrame frame;
    frame.Rate = rate;
    frame.RightWristPos[2] = static_cast<float>(slot);
    table->Signs[slot].FrameCount = 1;
    table->Signs[slot].Frames = {frame};
  }
  table->SignCount = static_cast<int16_t>(last + 1);
  return table;
}

// Writes PlainAngleTable(hands, last, rate) as an angle data file.
inline bool WriteAngleTable(const QString& path, int hands, int last, float rate = 0.001f) {
  return static_cast<bool>(SaveAngleFile(*PlainAngleTable(hands, last, rate), path));
}

// The angle data files of all five systems in a program folder ending in "/": a rest
// pose and every slot their converters produce.
inline bool WriteEverySystemTable(const QString& folder) {
  return WriteAngleTable(folder + "PositionBSL.csv", 2, 27) &&
         WriteAngleTable(folder + "PositionINA.csv", 2, 27) &&
         WriteAngleTable(folder + "PositionASL.csv", 1, 27) &&
         WriteAngleTable(folder + "PositionJSL.csv", 1, 81) &&
         WriteAngleTable(folder + "PositionKSL.csv", 1, 76);
}
