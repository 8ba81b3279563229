// The desktop program spelling one word while every picture of it that reaches the
// screen is time-stamped; prints the intervals between those pictures. Needs a
// display: scripts/step-clock.sh runs it under xvfb-run.
//
// The time stamp is taken at the drawing area's frameSwapped, emitted once the hands'
// window has its buffers swapped. That is when a picture is presented, after the timer
// step and the paint of the hands, so a late step or a slow paint shows in it; the
// player's own pictureShown would time the timer alone. The program is not changed:
// the probe only watches a signal the area already has and reads which picture of the
// word the window is at. The window is also painted when it is exposed or resized, so
// a swap counts only when it carries a picture not presented before; a picture the
// player passed before it was painted is counted as never presented.
//
// Beside the intervals it prints how long each presented picture took from the
// request that paints it to the swap (the hands' window presents a picture from a
// queued call, and paints at an update request when exposed), and with --timer-only it
// runs the step timer alone, without a window, to tell the timer's own lateness from
// the drawing's.
//
// Usage: tovaro_step_clock_probe DATA_FOLDER [--word WORD] [--plays N] [--natural]
//                                [--intervals FILE]
//        tovaro_step_clock_probe --timer-only [--steps N]
#include "step_intervals.h"

#include "gui/main_window/desktop_program.h"
#include "gui/view/hand_surface_window.h"
#include "gui/view/hand_view.h"
#include "gui/main_window/main_window.h"
#include "playback/step_timer.h"
#include "shell/settings_file.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct ProbeOptions {
  QString dataFolder;
  // Twenty letters of the American alphabet.
  QString word = QStringLiteral("uncharacteristically");
  int plays = 1;
  bool natural = false;
  QString intervalsFile;
  bool timerOnly = false;
  int steps = 600;
};

bool ParseOptions(const QStringList& args, ProbeOptions& options) {
  for (int i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == QLatin1String("--word") && hasValue) options.word = args[++i];
    else if (arg == QLatin1String("--plays") && hasValue) options.plays = args[++i].toInt();
    else if (arg == QLatin1String("--intervals") && hasValue) options.intervalsFile = args[++i];
    else if (arg == QLatin1String("--natural")) options.natural = true;
    else if (arg == QLatin1String("--timer-only")) options.timerOnly = true;
    else if (arg == QLatin1String("--steps") && hasValue) options.steps = args[++i].toInt();
    else if (!arg.startsWith(QLatin1String("--")) && options.dataFolder.isEmpty()) options.dataFolder = arg;
    else return false;
  }
  if (options.timerOnly) return options.steps > 1;
  if (!options.dataFolder.endsWith(u'/')) options.dataFolder += u'/';
  return options.dataFolder.size() > 1 && options.plays > 0 && !options.word.isEmpty();
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void PrintSummary(const QString& label, const std::vector<double>& intervals, int presented, int unpresented,
                  double spanMs, const std::vector<double>& drawing) {
  const StepIntervalSummary s = SummarizeStepIntervals(intervals);
  const StepIntervalSummary d = SummarizeStepIntervals(drawing);
  std::printf("%s: presented=%d unpresented=%d intervals=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f span_ms=%.1f"
              " drawing_median_ms=%.3f drawing_p99_ms=%.3f\n",
              qPrintable(label), presented, unpresented, s.count, s.median, s.p99, s.largest, spanMs, d.median, d.p99);
  std::fflush(stdout);
}

// The step timer alone, for `steps` steps.
int RunTimerOnly(int steps) {
  StepTimer timer;
  std::vector<Clock::time_point> stepped;
  QObject::connect(&timer, &StepTimer::step, [&] {
    stepped.push_back(Clock::now());
    if (static_cast<int>(stepped.size()) == steps) QCoreApplication::exit(0);
  });
  timer.Start();
  QCoreApplication::exec();
  std::vector<double> intervals;
  for (size_t i = 1; i < stepped.size(); ++i) intervals.push_back(Milliseconds(stepped[i] - stepped[i - 1]));
  const StepIntervalSummary s = SummarizeStepIntervals(intervals);
  std::printf("timer only: intervals=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", s.count, s.median, s.p99,
              s.largest);
  return 0;
}

// Starts the word, watches its pictures reach the screen, and starts it again until
// every play is done; then ends the program.
class StepClockProbe : public QObject {
 public:
  StepClockProbe(MainWindow& window, const ProbeOptions& options)
      : QObject(&window), window_(window), options_(options) {
    connect(window.findChild<HandView*>(QStringLiteral("picSpace")), &HandView::frameSwapped, this,
            &StepClockProbe::Swapped);
    connect(&window, &MainWindow::wordFinished, this, &StepClockProbe::WordFinished);
    // Every update request, and every queued call to the hands' window, wherever Qt
    // delivers it, starts a repaint.
    qApp->installEventFilter(this);
    // Pictures the player passes after the word has ended would never come.
    lateEnd_.setSingleShot(true);
    lateEnd_.setInterval(2000);
    connect(&lateEnd_, &QTimer::timeout, this, &StepClockProbe::EndPlay);
    // Start-up settles before the first word.
    QTimer::singleShot(1000, this, &StepClockProbe::StartWord);
  }

 private:
  void StartWord() {
    presented_.clear();
    drawing_.clear();
    lastPicture_ = -1;
    unpresented_ = 0;
    finished_ = false;
    // The alphabets spell what the reading box holds.
    window_.findChild<QLineEdit*>(QStringLiteral("FuriganaTxt"))->setText(options_.word);
    window_.findChild<QPushButton*>(QStringLiteral("cmdInput"))->click();
    measuring_ = window_.IsSpelling();
    if (!measuring_) {
      std::fprintf(stderr, "the word \"%s\" did not start\n", qPrintable(options_.word));
      QCoreApplication::exit(1);
    }
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest ||
        (event->type() == QEvent::MetaCall && qobject_cast<HandSurfaceWindow*>(watched) != nullptr))
      updateRequested_ = Clock::now();
    return false;
  }

  void Swapped() {
    if (!measuring_) return;
    const int picture = window_.CurrentPicture();
    if (picture <= lastPicture_) return;
    presented_.push_back(Clock::now());
    drawing_.push_back(Milliseconds(presented_.back() - updateRequested_));
    unpresented_ += picture - lastPicture_ - 1;
    lastPicture_ = picture;
    if (finished_ && lastPicture_ >= pictureCount_ - 1) EndPlay();
  }

  void WordFinished() {
    if (!measuring_) return;
    finished_ = true;
    pictureCount_ = window_.PictureCount();
    if (lastPicture_ >= pictureCount_ - 1) EndPlay();
    else lateEnd_.start();
  }

  void EndPlay() {
    if (!measuring_) return;
    measuring_ = false;
    lateEnd_.stop();
    unpresented_ += pictureCount_ - 1 - lastPicture_;
    std::vector<double> intervals;
    for (size_t i = 1; i < presented_.size(); ++i) intervals.push_back(Milliseconds(presented_[i] - presented_[i - 1]));
    const double span = presented_.size() > 1 ? Milliseconds(presented_.back() - presented_.front()) : 0;
    PrintSummary(QStringLiteral("play %1").arg(++played_), intervals, static_cast<int>(presented_.size()),
                 unpresented_, span, drawing_);
    all_.insert(all_.end(), intervals.begin(), intervals.end());
    allDrawing_.insert(allDrawing_.end(), drawing_.begin(), drawing_.end());
    allPresented_ += static_cast<int>(presented_.size());
    allUnpresented_ += unpresented_;
    allSpan_ += span;
    if (!options_.intervalsFile.isEmpty()) AppendIntervals(intervals);
    if (played_ < options_.plays) {
      QTimer::singleShot(500, this, &StepClockProbe::StartWord);
      return;
    }
    if (options_.plays > 1) PrintSummary(QStringLiteral("all"), all_, allPresented_, allUnpresented_, allSpan_, allDrawing_);
    QCoreApplication::exit(0);
  }

  void AppendIntervals(const std::vector<double>& intervals) {
    QFile file(options_.intervalsFile);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(options_.intervalsFile));
      return;
    }
    QTextStream out(&file);
    for (double ms : intervals) out << QString::number(ms, 'f', 4) << '\n';
  }

  MainWindow& window_;
  const ProbeOptions& options_;
  QTimer lateEnd_;
  std::vector<Clock::time_point> presented_;
  std::vector<double> drawing_;
  Clock::time_point updateRequested_;
  int lastPicture_ = -1;
  int unpresented_ = 0;
  int pictureCount_ = 0;
  bool measuring_ = false;
  bool finished_ = false;
  int played_ = 0;
  std::vector<double> all_;
  std::vector<double> allDrawing_;
  int allPresented_ = 0;
  int allUnpresented_ = 0;
  double allSpan_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  ProbeOptions options;
  if (!ParseOptions(args, options)) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER [--word WORD] [--plays N] [--natural] [--intervals FILE]\n"
                 "       %s --timer-only [--steps N]\n",
                 argv[0], argv[0]);
    return 2;
  }
  if (options.timerOnly) {
    QCoreApplication app(argc, argv);
    return RunTimerOnly(options.steps);
  }
  QApplication app(argc, argv);
  // The user's files (the settings: the American alphabet, the hands drawn as asked)
  // in a folder of their own; the angle data read from the given folder.
  QTemporaryDir userFolder;
  Settings settings;
  settings.System = SystemId::American;
  settings.Appearance = options.natural ? HandAppearance::Natural : HandAppearance::Classic;
  ProgramPlaces places{options.dataFolder, userFolder.path() + u'/', userFolder.path() + u'/', userFolder.path() + u'/'};
  if (!userFolder.isValid() || !WriteSettings(places.SettingsFile(), settings)) {
    std::fprintf(stderr, "could not write the settings file\n");
    return 1;
  }
  // Nothing may wait for ever on a word that does not end.
  QTimer::singleShot(std::chrono::minutes(5), [] {
    std::fprintf(stderr, "the words did not end within five minutes\n");
    QCoreApplication::exit(1);
  });
  return RunDesktopProgram(places, [&options](MainWindow& window) { new StepClockProbe(window, options); });
}
