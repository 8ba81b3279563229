#include "gui/help/help_launcher.h"

#include "base/message_sink.h"
#include "gui/dialogs/busy_pointer.h"
#include "shell/help_archive.h"
#include "gui/help/help_browser.h"
#include "shell/help_documents.h"
#include "gui/help/help_window.h"

#include <QFileInfo>

HelpWindow* OpenHelpDocument(const QString& programFolder, int16_t index, MessageSink& messages,
                             QWidget* owner) {
  const QString fileName = HelpDocumentFileName(index);
  const QString path = fileName.isEmpty() ? QString() : programFolder + fileName;
  HelpWindow* window = nullptr;
  bool missing = false;
  QString reason;
  {
    BusyPointer busy;
    const QFileInfo file(path);
    missing = path.isEmpty() || !file.exists() || file.isDir();
    if (!missing) {
      HelpArchiveReading reading = ReadHelpArchiveFile(path);
      if (reading.archive)
        window = new HelpWindow(std::move(*reading.archive), HelpToolBarCaptionsFor(index), owner);
      reason = reading.error;
    }
  }
  // The message comes after the pointer is restored, so it is not shown busy.
  if (missing) {
    messages.ShowMessage(HelpFileNotFoundMessage(path));
    return nullptr;
  }
  if (!window) {
    // The reader knows why (a truncated archive, a page it cannot decode): the user who
    // has to mend or replace the file needs that more than the path alone.
    QString message = HelpFileUnreadableMessage(path);
    if (!reason.isEmpty()) message += u'\n' + reason.left(1).toUpper() + reason.mid(1) + u'.';
    messages.ShowMessage(message);
    return nullptr;
  }
  window->show();
  window->raise();
  window->activateWindow();
  window->browser->setFocus();
  return window;
}
