#include "gui/help/help_launcher.h"

#include "base/message_sink.h"
#include "shell/help_archive.h"
#include "gui/help/help_browser.h"
#include "shell/help_documents.h"
#include "gui/help/help_window.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace {

// The busy pointer for as long as the document loads, whichever way the load ends.
class BusyPointer {
 public:
  BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

HelpWindow* OpenHelpDocument(const QString& programFolder, int16_t index, MessageSink& messages,
                             QWidget* owner) {
  const QString fileName = HelpDocumentFileName(index);
  const QString path = fileName.isEmpty() ? QString() : programFolder + fileName;
  HelpWindow* window = nullptr;
  bool missing = false;
  {
    BusyPointer busy;
    const QFileInfo file(path);
    missing = path.isEmpty() || !file.exists() || file.isDir();
    if (!missing) {
      HelpArchiveReading reading = ReadHelpArchiveFile(path);
      if (reading.archive)
        window = new HelpWindow(std::move(*reading.archive), HelpToolBarCaptionsFor(index), owner);
    }
  }
  // The message comes after the pointer is restored, so it is not shown busy.
  if (missing) {
    messages.ShowMessage(HelpFileNotFoundMessage(path));
    return nullptr;
  }
  if (!window) {
    messages.ShowMessage(HelpFileUnreadableMessage(path));
    return nullptr;
  }
  window->show();
  window->raise();
  window->activateWindow();
  window->browser->setFocus();
  return window;
}
