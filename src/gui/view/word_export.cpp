#include "gui/view/word_export.h"

#include "base/message_sink.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// On a thread of the pool: the export draws with an OpenGL context of its own, which
// must not meet the drawing area's on one thread.
void Export(QPromise<AnimationExportResult>& promise, const SignTable& table, const MoveScript& script,
            const AnimationExportSettings& settings) {
  promise.setProgressRange(0, AnimationStepsOf(script));
  AnimationExportResult result = ExportScript(
      table, script, settings,
      [&promise](int done, int) {
        promise.setProgressValue(done);
        return !promise.isCanceled();
      },
      [](const QString& note) { qWarning("%s", qPrintable(note)); });
  promise.addResult(std::move(result));
}

}  // namespace

WordExport::WordExport(QWidget& parent, SignTable table, MoveScript script, AnimationExportSettings settings,
                       MessageSink& messages)
    : QObject(&parent), messages_(messages) {
  setObjectName(QStringLiteral("WordExport"));
  const int steps = AnimationStepsOf(script);
  progress_ = new QProgressDialog(tr("Exporting the animation…"), tr("Cancel"), 0, steps,
                                  &parent);
  progress_->setObjectName(QStringLiteral("ExportProgress"));
  progress_->setWindowTitle(tr("Export"));
  progress_->setAccessibleName(tr("Exporting the animation"));
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  // The dialog's own setValue runs the event loop when it is modal; its bar alone takes
  // the progress, so no slot here is entered again from inside another.
  auto* bar = new QProgressBar(progress_);
  bar->setRange(0, steps);
  bar->setValue(0);
  progress_->setBar(bar);
  progress_->show();

  connect(&watcher_, &QFutureWatcherBase::progressValueChanged, bar, &QProgressBar::setValue);
  connect(progress_, &QProgressDialog::canceled, &watcher_, &QFutureWatcherBase::cancel);
  connect(&watcher_, &QFutureWatcherBase::finished, this, &WordExport::Ended);
  watcher_.setFuture(QtConcurrent::run(Export, std::move(table), std::move(script), std::move(settings)));
}

WordExport::~WordExport() {
  watcher_.disconnect(this);
  watcher_.cancel();
  watcher_.waitForFinished();
  delete progress_;
}

void WordExport::Ended() {
  delete progress_;
  // A cancelled export keeps no result.
  AnimationExportResult result;
  result.outcome = AnimationExportResult::Outcome::Cancelled;
  if (!watcher_.isCanceled() && watcher_.future().resultCount() > 0) result = watcher_.result();
  if (result.outcome == AnimationExportResult::Outcome::Failed)
    messages_.ShowMessage(tr("The animation could not be exported: ") + result.reason);
  emit finished(result);
  deleteLater();
}
