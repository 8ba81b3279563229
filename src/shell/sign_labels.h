#pragma once

#include "convert/system_id.h"

#include <QString>

#include <map>

// What each sign of a system spells on its own ("E", "ｶﾞ", "ㄴ", "100"), by the number
// the progress file keeps it under (StoredSign: its code and the letter's own mark),
// found by spelling every letter, digit, kana and jamo the system takes one at a time.
std::map<int, QString> SignLabelsOf(SystemId system);
