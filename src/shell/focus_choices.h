#pragma once

#include "convert/system_id.h"

#include <QStringList>

class LearnerModel;

// The letters a learner may choose to drill in a system: the learner's own most
// confused pairs first ("E S": E taken for S or S for E), then, for the American
// alphabets, the pairs learners are known to confuse (A S T, E S, M N, U V, K P, G H).
// Each written as its letters with blanks between, none twice.
QStringList FocusChoices(SystemId system, const LearnerModel& learner);
