#pragma once

#include <QStringList>

#include <functional>

// The scripts the font window offers fonts for.
enum class FontScript { Japanese, Korean };

// The font families the platform reports for a script, in the order it reports them.
// The desktop program asks the font database; tests give fixed lists.
using FontFamilySource = std::function<QStringList(FontScript)>;

// The two lists of the font window.
struct FontLists {
  QStringList Japanese;
  QStringList Korean;
};

// The names of a report that can be offered: each name up to its first NUL, without
// vertical-writing families (whose names begin with "@"), empty names or repeats.
QStringList OfferedFontNames(const QStringList& reported);

// Asks the source for both scripts and keeps the names that can be offered.
FontLists FontList(const FontFamilySource& source);
