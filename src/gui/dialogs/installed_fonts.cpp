#include "gui/dialogs/installed_fonts.h"

#include "shell/metric_compatible_fonts.h"

#include <QFont>
#include <QFontDatabase>

QStringList InstalledFontFamilies(FontScript script) {
  return QFontDatabase::families(script == FontScript::Japanese ? QFontDatabase::Japanese
                                                                : QFontDatabase::Korean);
}

void UseMetricCompatibleFonts() {
  for (const auto& [family, substitutes] : MetricCompatibleFamilies())
    if (!QFontDatabase::hasFamily(family)) QFont::insertSubstitutions(family, substitutes);
}
