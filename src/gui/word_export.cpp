#include "gui/word_export.h"

#include "base/message_sink.h"

#include <QProgressDialog>

AnimationExportResult ExportWithProgress(QWidget* parent, const SignTable& table,
                                         const MoveScript& script,
                                         const AnimationExportSettings& settings,
                                         MessageSink& messages) {
  QProgressDialog progress(QStringLiteral("Exporting the animation…"), QStringLiteral("Cancel"), 0,
                           AnimationStepsOf(script), parent);
  progress.setObjectName(QStringLiteral("ExportProgress"));
  progress.setWindowTitle(QStringLiteral("Export"));
  progress.setAccessibleName(QStringLiteral("Exporting the animation"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  QString note;
  const AnimationExportResult result = ExportScript(
      table, script, settings,
      [&progress](int done, int) {
        // A modal progress window lets the Cancel button be pressed as it is updated.
        progress.setValue(done);
        return !progress.wasCanceled();
      },
      [&note](const QString& said) { note = said; });
  progress.reset();
  if (!note.isEmpty()) qWarning("%s", qPrintable(note));
  if (result.outcome == AnimationExportResult::Outcome::Failed)
    messages.ShowMessage(QStringLiteral("The animation could not be exported: ") + result.reason);
  return result;
}
