#pragma once

#include "signdata/sign_table.h"

#include <QString>

// What the pose editor's status line says about a key frame it has just stored: the
// deepest place where parts of a hand (or of the two hands) pass through each other,
// in a learner's words ("Index finger tip segment passes through the palm"), with how
// many more there are; empty when the key frame is clean.
QString KeyFrameProblemText(const KeyFrame& frame, int handCount);
