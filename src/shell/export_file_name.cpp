#include "shell/export_file_name.h"

QString SuggestedExportName(const InputModes& modes, const StartTexts& texts) {
  const bool fromReading = ChooseStartInput(modes) == StartInput::ReadingBox;
  QString name = (fromReading ? texts.ReadingBox : texts.WordBox).trimmed();
  // Kana may stand in the reading box while the romaji box is empty.
  if (name.isEmpty()) name = (fromReading ? texts.WordBox : texts.ReadingBox).trimmed();
  if (name.isEmpty()) return {};
  for (QChar& c : name) {
    if (c == u'/' || c == u'\\' || c == u'.' || c.category() == QChar::Other_Control) c = u'_';
  }
  return name + QStringLiteral(".gif");
}
