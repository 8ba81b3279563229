#pragma once

#include "hand/hand_appearance.h"

#include <QImage>
#include <QSize>

struct SignTable;

// The sign shown and the sign a learner read in its place, drawn side by side in the
// practice so the learner sees what tells them apart.
struct SignPairPictures {
  QImage shown;
  QImage read;
};

// Each sign in its first key frame, framed to fill `size`; null pictures when nothing
// can be drawn offscreen or a sign has no key frame.
SignPairPictures DrawSignPair(const SignTable& table, int shownSign, int readSign, QSize size,
                              HandAppearance appearance);
