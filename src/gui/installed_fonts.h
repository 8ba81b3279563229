#pragma once

#include "shell/font_list.h"

#include <QStringList>

// The font families installed on this machine that can write a script, as the font
// database reports them.
QStringList InstalledFontFamilies(FontScript script);
