#pragma once

#include "shell/letter_alignment.h"

#include <QString>

// The phrases the line is made of, in the interface language.
struct LetterLinePhrases {
  QString ReadAs = QStringLiteral("read %1 for %2");  // %1 typed, %2 spelled
  QString Missed = QStringLiteral("missed %1");
  QString Added = QStringLiteral("added %1");
  QString Sentence = QStringLiteral("You %1");
  QString Also = QStringLiteral(" and ");  // between letters missed or added
  QString Between = QStringLiteral(", ");
  QString BeforeLast = QStringLiteral(", and ");
};

// What the learner misread, missed and added, in one short sentence: "You read S for
// E, and missed L and O"; a letter missed or added more than once is counted ("L ×2").
// Empty when every sign was read right, and for an answer that is another word.
QString LetterLine(const LetterAlignment& alignment, const LetterLinePhrases& phrases);
