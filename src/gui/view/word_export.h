#pragma once

#include "gl/animation_export.h"
#include "playback/move_script.h"
#include "signdata/sign_table.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

class MessageSink;
class QProgressDialog;
class QWidget;

// Writes a word's script as an animation on a thread of its own while a progress window
// with Cancel, modal to `parent`, shows how far it is. It starts at once and works on
// its own copies of the table and the script, so the window stays free to repaint and
// to take the Cancel. A cancelled export leaves nothing behind and says nothing; a
// failed one says "The animation could not be exported: <reason>". What became of it
// comes with finished(), after which the export deletes itself.
class WordExport : public QObject {
  Q_OBJECT

 public:
  WordExport(QWidget& parent, SignTable table, MoveScript script, AnimationExportSettings settings,
             MessageSink& messages);
  // Closing the window in the middle of an export cancels it and waits for its thread.
  ~WordExport() override;

 signals:
  void finished(const AnimationExportResult& result);

 private:
  void Ended();

  MessageSink& messages_;
  // The window's, not this object's: it must be a widget of the window to be modal to it.
  QPointer<QProgressDialog> progress_;
  QFutureWatcher<AnimationExportResult> watcher_;
};
