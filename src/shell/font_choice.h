#pragma once

#include "shell/font_description.h"

#include <QString>
#include <QtGlobal>

inline const QString kFontSizeTooSmallMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Font size must be bigger than 0"));
inline const QString kFontSizeTooBigMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Font size is too big"));

// What OK in the font window makes of the Japanese and Korean names and size texts.
struct FontChoice {
  enum class Outcome {
    Incomplete,  // a name is empty: OK does nothing
    Refused,     // a size is out of range: Message says why and nothing is stored
    Accepted,    // Japanese and Korean are the fonts to store
  };

  Outcome Result = Outcome::Incomplete;
  QString Message;
  FontDescription Japanese;
  FontDescription Korean;
};

// Sizes are read leniently and rounded halves to even; they must be 1..72, and sizes
// below 6 are raised to 6 (a window laid out for a larger font cannot be drawn). Blanks around a name are dropped (the settings file
// would lose the leading ones anyway), so a name of blanks alone counts as empty.
FontChoice CheckFontChoice(const QString& japaneseName, const QString& japaneseSize,
                           const QString& koreanName, const QString& koreanSize);
