#include "shell/font_list.h"

QStringList OfferedFontNames(const QStringList& reported) {
  QStringList offered;
  for (const QString& name : reported) {
    const qsizetype nul = name.indexOf(QChar(u'\0'));
    const QString face = nul < 0 ? name : name.left(nul);
    if (face.isEmpty() || face.startsWith(u'@') || offered.contains(face)) continue;
    offered.append(face);
  }
  return offered;
}

FontLists FontList(const FontFamilySource& source) {
  if (!source) return {};
  return FontLists{OfferedFontNames(source(FontScript::Japanese)),
                   OfferedFontNames(source(FontScript::Korean))};
}
