#pragma once

#include "shell/font_description.h"
#include "shell/interface_language.h"

#include <cstdint>

class CaptionTable;
class QFont;
struct MainWindowControls;
struct MainWindowMenus;

// The captions of the main window in the column of the interface language. "Open",
// "Language Option" and "Font Selection" keep their English captions, and the unit
// label always shows "%".
void ApplyMainWindowCaptions(const MainWindowControls& ui, const MainWindowMenus& menus,
                             const CaptionTable& captions, InterfaceLanguage language);

// The interface font on every control but the word box, whose font follows the system;
// the system label is underlined, as a link is.
void ApplyMainWindowFont(const MainWindowControls& ui, const QFont& font);

// The font object of a font the settings describe: bold, at its size (10 points when it
// has none).
QFont FontObjectOf(const FontDescription& description);
