#include "gui/view/word_export.h"

#include "base/message_sink.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

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
  progress.setAutoReset(false);
  progress.setValue(0);

  // The export draws with an OpenGL context of its own, which must not meet the
  // drawing area's on one thread; on a thread of its own it also leaves the window
  // free to repaint and to take the Cancel.
  std::atomic<int> done{0};
  std::atomic<bool> cancelled{false};
  AnimationExportResult result;
  QString note;
  std::unique_ptr<QThread> worker(QThread::create([&] {
    result = ExportScript(
        table, script, settings,
        [&](int steps, int) {
          done = steps;
          return !cancelled;
        },
        [&note](const QString& said) { note = said; });
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &progress, [&] { progress.setValue(done); });
  poll.start(30);
  worker->start();
  loop.exec();
  worker->wait();
  poll.stop();
  progress.reset();

  if (!note.isEmpty()) qWarning("%s", qPrintable(note));
  if (result.outcome == AnimationExportResult::Outcome::Failed)
    messages.ShowMessage(QStringLiteral("The animation could not be exported: ") + result.reason);
  return result;
}
