#pragma once

#include "convert/system_id.h"

#include <QString>

#include <map>

// What each sign code of a system spells on its own ("E", "ｶ", "ㄴ", "100"), found by
// spelling every letter, digit, kana and jamo the system takes one at a time. The
// stored progress keeps only the codes; this names them for the learner.
std::map<int, QString> SignLabelsOf(SystemId system);
