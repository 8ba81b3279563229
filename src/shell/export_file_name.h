#pragma once

#include "shell/start_flow.h"

#include <QString>

// The name File → Export first offers: the word Start would spell, as an animated GIF
// ("hello.gif"), or what the other box holds when that box is empty. Characters a file name cannot hold, or that would move the extension
// the export is chosen by (a dot), become "_"; leading and trailing spaces go. Empty
// when there is no word.
QString SuggestedExportName(const InputModes& modes, const StartTexts& texts);
