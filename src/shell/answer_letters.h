#pragma once

#include "convert/system_id.h"
#include "shell/letter_alignment.h"
#include "shell/spelled_signs.h"

#include <QString>

#include <optional>

struct PracticeItem;

// The signs a practice word is spelled with in `system`; nothing when it cannot be
// spelled.
std::optional<SpelledSigns> SpelledSignsOfItem(const PracticeItem& item, SystemId system);

// The signs a learner's typed text stands for in `system`, read as an answer is: the
// letters of "mn", the kana of "ぬ" or "nu"; nothing when it spells no sign.
std::optional<SpelledSigns> SignsOfTypedText(const QString& typed, SystemId system);

// A typed answer read sign by sign against the word `item` spelled in `system`. The
// answer is normalised as answers are compared and spelled with the same system (its
// romanized input too); an answer that spells no sign is compared by its characters.
// An answer that names the word (its written form, say) reads every sign right.
LetterAlignment ReadAnswerLetters(const QString& typed, const PracticeItem& item, SystemId system);
