#include "gui/installed_fonts.h"

#include <QFontDatabase>

QStringList InstalledFontFamilies(FontScript script) {
  return QFontDatabase::families(script == FontScript::Japanese ? QFontDatabase::Japanese
                                                                : QFontDatabase::Korean);
}
