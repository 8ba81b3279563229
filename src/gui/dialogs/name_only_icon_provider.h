#pragma once

#include <QAbstractFileIconProvider>

// Icons and type names for the file dialog's lists, told from a file's name and kind
// alone. Qt's own provider guesses a file's type from its contents, and reading a
// special file (a FIFO, /proc/kmsg) can block for good.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
 public:
  using QAbstractFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};
