#pragma once

#include "shell/font_list.h"

#include <QStringList>

// The font families installed on this machine that can write a script, as the font
// database reports them.
QStringList InstalledFontFamilies(FontScript script);

// Lets a font named by its Windows family ("Times New Roman") resolve to the installed
// family of the same widths rather than whatever the font matcher falls back to.
void UseMetricCompatibleFonts();
