#pragma once

#include "shell/learner_model.h"
#include "shell/progress_store.h"
#include "shell/review_queue.h"

#include <QDateTime>

#include <vector>

// The practice's own values as the progress file keeps them, and back. The file keeps
// a sign as one number (its code, its modifier in the upper half), no labels (the
// next answer gives them again) and one sign code per misreading; how much each
// confusion weighs comes back as its share of the sign's wrong readings.

int StoredSign(SignStep sign);
SignStep SignOfStored(int stored);

LearnerTime LearnerTimeOf(const QDateTime& when);
QDateTime DateTimeOf(LearnerTime when);

std::vector<SignProgressRecord> SignRecordsOf(const LearnerModel& learner);
LearnerModel LearnerOf(SystemId system, const std::vector<SignProgressRecord>& signs);

ReviewRecord ReviewRecordOf(SystemId system, const ReviewItem& item);
ReviewQueue ReviewQueueOf(SystemId system, const std::vector<ReviewRecord>& reviews);
