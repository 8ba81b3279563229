#include "gui/practice/practice_runner.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "gui/dialogs/busy_pointer.h"
#include "gui/input/hidden_text_guard.h"
#include "gui/practice/practice_window.h"
#include "gui/practice/sign_pair_pictures.h"
#include "shell/focus_choices.h"
#include "shell/letter_alignment.h"
#include "shell/list_word_playback.h"
#include "shell/practice_history.h"
#include "shell/progress_records.h"
#include "shell/reading_speed.h"
#include "shell/start_flow.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <optional>
#include <chrono>

namespace {

constexpr int kPauseBeforeNextWordMs = 1800;
constexpr int kSessionsShown = 12;

LearnerTime Now() { return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()); }

}  // namespace

PracticeRunner::PracticeRunner(PracticeWindow& window, Boxes boxes, SignClass& signs,
                               MessageSink& messages, QString historyPath, QString progressPath, QObject* parent)
    : QObject(parent),
      window_(window),
      boxes_(boxes),
      signs_(signs),
      messages_(messages),
      historyPath_(std::move(historyPath)),
      progressPath_(std::move(progressPath)) {
  for (QLineEdit* box : {boxes_.word, boxes_.reading}) new HiddenTextGuard(*box);
  nextWordTimer_.setSingleShot(true);
  nextWordTimer_.setInterval(kPauseBeforeNextWordMs);
  connect(&nextWordTimer_, &QTimer::timeout, this, &PracticeRunner::Continue);
  connect(&window_, &PracticeWindow::startClicked, this, &PracticeRunner::Begin);
  connect(&window_, &PracticeWindow::continueClicked, this, &PracticeRunner::Continue);
  connect(&window_, &PracticeWindow::repeatClicked, this, &PracticeRunner::Repeat);
  connect(&window_, &PracticeWindow::endClicked, this, &PracticeRunner::End);
  connect(&window_, &PracticeWindow::answerHeld, this, &PracticeRunner::HoldAnswer);
  connect(&window_, &PracticeWindow::answerTyped, this, &PracticeRunner::CheckTyped);
  connect(&window_, &PracticeWindow::focusChanged, this, &PracticeRunner::ApplyFocus);
  connect(&window_, &PracticeWindow::lengthChanged, this, [this] {
    if (session_) window_.ShowStatus(session_->SetLengthRange(window_.Shortest(), window_.Longest()).value_or(QString()));
  });
}

bool PracticeRunner::Start(std::unique_ptr<PracticeSession> session, const QString& listError) {
  wordBoxWasVisible_ = boxes_.word->isVisible();
  readingBoxWasVisible_ = boxes_.reading->isVisible();
  boxes_.word->hide();
  boxes_.reading->hide();
  if (!listError.isEmpty()) {
    RestoreBoxes();
    messages_.ShowMessage(listError);
    return false;
  }
  const std::optional<QString> cannot = session->SetLengthRange(0, 0);
  if (cannot) {
    RestoreBoxes();
    messages_.ShowMessage(*cannot);
    return false;
  }
  session_ = std::move(session);
  if (const QString unspellable = session_->UnspellableEntriesText(); !unspellable.isEmpty())
    messages_.ShowMessage(unspellable);
  OpenProgress();
  const SystemId system = session_->SpellingSystem();
  std::vector<PracticeSessionRecord> sessions;
  if (store_) {
    session_->UseLearner(LearnerOf(system, store_->Signs(system)));
    session_->UseReviews(ReviewQueueOf(system, store_->Reviews(system)));
    std::vector<PacedAnswer> answers;
    for (const PracticeAnswerRecord& answer : store_->Answers())
      if (answer.System == system && answer.Pace > 0.0) answers.push_back({answer.Pace, answer.Right});
    session_->UseEarlierAnswers(std::move(answers));
    earlierSpeeds_ = store_->ReadingSpeeds(system);
    sessions = store_->Sessions();
  } else {
    const auto found =
        std::find_if(carried_.begin(), carried_.end(), [&](const Carried& c) { return c.learner.System() == system; });
    if (found != carried_.end()) {
      session_->UseLearner(found->learner);
      session_->UseReviews(found->reviews);
      session_->UseEarlierAnswers(found->answers);
    }
    earlierSpeeds_ = found != carried_.end() ? found->sessionSpeeds : std::vector<double>{};
    PracticeHistoryReading history = ReadPracticeHistory(historyPath_);
    sessions = std::move(history.Records);
    historyRefused_ = !history.Refusal.isEmpty();
    if (historyRefused_) messages_.ShowMessage(history.Refusal);
  }
  begun_ = false;
  wordPace_.reset();
  mainSpeed_ = boxes_.speed->text();
  window_.SetSpeedText(mainSpeed_);
  window_.ShowScore(QString());
  // Room for the running session as the newest bar.
  earlierSessions_ = LastSessionsOf(sessions, system, kSessionsShown - 1);
  window_.ShowHistory(earlierSessions_);
  ShowReadingSpeed();
  window_.SetFocusChoices(FocusChoices(session_->SpellingSystem(), session_->Learner()));
  ApplyFocus();
  window_.WaitForStart(true);
  window_.show();
  window_.raise();
  return true;
}

void PracticeRunner::Begin() {
  if (!session_ || begun_) return;
  begun_ = true;
  window_.WaitForStart(false);
  Continue();
  ShowLiveChart();
}

void PracticeRunner::ShowLiveChart() {
  if (!session_) return;
  std::vector<PracticeSessionRecord> sessions = earlierSessions_;
  const PracticeScore& score = session_->Score();
  const int speed = score.Asked() > 0 ? session_->AverageSpeed() : spokenSpeed_;
  sessions.push_back({QDateTime::currentDateTimeUtc(), session_->SpellingSystem(), score.Asked(), score.Right(),
                      std::max(1, speed)});
  window_.ShowHistory(sessions);
}

void PracticeRunner::Turn(bool newWord) {
  nextWordTimer_.stop();
  if (!session_) return;
  if (newWord) {
    const std::optional<QString> cannot = session_->SetLengthRange(window_.Shortest(), window_.Longest());
    if (cannot) {
      window_.ShowStatus(*cannot);
      return;
    }
    // Missed words come back only where answers are typed; the plain practice draws
    // as it always has.
    session_->PickNext(Now(), window_.TypedAnswer());
  }
  window_.NewWord();
  const PracticeItem& item = session_->Current();
  const std::optional<int16_t> speed = SpeedFromText(boxes_.speed->text());
  spokenSpeed_ = speed.value_or(0);
  if (!PlayListWord(signs_, messages_, session_->SpellingSystem(), session_->Spelling(), item.Text,
                    boxes_.speed->text())) {
    // The message is told already: "Invalid speed value!" or the unsupported word.
    Stop();
    return;
  }
  const int signCount = static_cast<int>(signs_.Sequence().size());
  window_.ShowStatus(PaceStatus(signCount, signs_.LastWordPictures()));
  wordPace_ = LettersPerSecond(signCount, signs_.LastWordPictures());
  ShowReadingSpeed();
  boxes_.reading->clear();
  boxes_.word->setText(session_->WordBoxAnswer(signs_.KatakanaString()));
  boxes_.reading->setText(session_->ReadingBoxAnswer(signs_.KatakanaString()));
}

void PracticeRunner::Continue() {
  if (!begun_) return;
  boxes_.speed->setText(window_.SpeedText());
  Turn(true);
}

void PracticeRunner::Repeat() {
  if (!begun_) return;
  boxes_.speed->setText(window_.SpeedText());
  Turn(false);
}

void PracticeRunner::End() {
  if (!session_) {
    window_.hide();
    return;
  }
  const PracticeScore& score = session_->Score();
  bool historyFailed = false;
  QString historyError;
  if (score.Asked() > 0) {
    const PracticeSessionRecord record{QDateTime::currentDateTimeUtc(), session_->SpellingSystem(), score.Asked(),
                                       score.Right(), std::max(1, session_->AverageSpeed())};
    // A refused history was told of when the practice started; once is enough.
    if (!historyRefused_ && !AppendPracticeRecord(historyPath_, record, &historyError)) historyFailed = true;
    QString error;
    if (store_ && !store_->AddSession(record, session_->ReadingSpeed(), &error) && storeError_.isEmpty())
      storeError_ = error;
  }
  const QString storeError = storeError_;
  Stop();
  boxes_.word->clear();
  boxes_.reading->clear();
  // Told once the practice window is gone, over the main window.
  if (historyFailed) messages_.ShowMessage(PracticeHistorySaveMessage(historyPath_, historyError));
  if (!storeError.isEmpty())
    messages_.ShowMessage(tr("The progress file %1 could not be written: %2").arg(progressPath_, storeError));
}

void PracticeRunner::Stop() {
  nextWordTimer_.stop();
  const bool keepSpeed = begun_ && window_.KeepSpeed() && SpeedFromText(window_.SpeedText()).has_value();
  boxes_.speed->setText(keepSpeed ? window_.SpeedText() : mainSpeed_);
  if (session_) {
    const SystemId system = session_->SpellingSystem();
    std::erase_if(carried_, [&](const Carried& c) { return c.learner.System() == system; });
    carried_.push_back({session_->Learner(), session_->Reviews(), session_->PacedAnswers(), SessionSpeeds()});
  }
  session_.reset();
  store_.reset();
  storeError_.clear();
  begun_ = false;
  window_.hide();
  RestoreBoxes();
  emit ended();
}

void PracticeRunner::RestoreBoxes() {
  boxes_.word->setVisible(wordBoxWasVisible_);
  boxes_.reading->setVisible(readingBoxWasVisible_);
}

void PracticeRunner::HoldAnswer(bool held) {
  if (!session_) return;
  if (session_->SpellingSystem() == SystemId::JapaneseKana) boxes_.word->setVisible(held);
  boxes_.reading->setVisible(held);
}

void PracticeRunner::CheckTyped(const QString& typed) {
  if (!session_ || !begun_ || !window_.TypedAnswer()) return;
  const bool counted = session_->Score().Answered();
  const bool right = session_->Answer(typed, spokenSpeed_, wordPace_.value_or(0.0), Now());
  if (!counted) KeepAnswer(typed, right);
  const PracticeItem& item = session_->Current();
  const QString shown = item.Reading.isEmpty() ? item.Answer : item.Answer + QStringLiteral(" (") + item.Reading + u')';
  window_.ShowResult(right, shown, typed, session_->Letters());
  if (const std::optional<LetterReading> misread = right ? std::nullopt : FirstMisread(session_->Letters())) {
    constexpr QSize kPictureSize(120, 120);
    const SignPairPictures pictures = DrawSignPair(signs_.Table(), misread->Spelled.Sign.Code, misread->ReadAs->Sign.Code,
                                                   kPictureSize, HandAppearance::Classic);
    window_.ShowSignPair(pictures.shown, misread->Spelled.Label, pictures.read, misread->ReadAs->Label);
  }
  window_.ShowScore(session_->Score());
  if (window_.AdaptSpeed() && !counted) {
    const std::optional<int16_t> speed = SpeedFromText(window_.SpeedText());
    window_.SetSpeedText(QString::number(AdaptedSpeed(speed.value_or(100), right)));
  }
  ShowLiveChart();
  ShowReadingSpeed();
  nextWordTimer_.start();
}

void PracticeRunner::OpenProgress() {
  ProgressStore::Opened opened = ProgressStore::Open(progressPath_);
  store_ = std::move(opened.store);
  storeError_.clear();
  if (!opened.message.isEmpty()) messages_.ShowMessage(opened.message);
  historyRefused_ = false;
  QString message;
  // The history file stays where it is: older copies of the program still read it. A
  // long history takes a moment to copy the first time, which the window says.
  constexpr qint64 kHistoryWorthTelling = 256 * 1024;
  const QFileInfo history(historyPath_);
  const bool longHistory = store_ && history.isFile() && history.size() > kHistoryWorthTelling;
  bool imported = true;
  if (store_) {
    std::optional<BusyPointer> busy;
    if (longHistory) {
      busy.emplace();
      window_.ShowStatus(tr("Copying the practice history into the progress file\u2026"));
      window_.repaint();
    }
    imported = store_->ImportHistoryOnce(historyPath_, &message);
    if (longHistory) window_.ShowStatus(QString());
  }
  if (!imported) {
    historyRefused_ = history.exists() && (!history.isFile() || history.size() > kLargestPracticeHistory);
    messages_.ShowMessage(message);
  }
}

void PracticeRunner::KeepAnswer(const QString& typed, bool right) {
  if (!store_) return;
  const SystemId system = session_->SpellingSystem();
  const PracticeItem& item = session_->Current();
  const QDateTime now = DateTimeOf(Now());
  QString error;
  bool kept = store_->AddAnswer({now, system, item.Text, typed, right, spokenSpeed_, wordPace_.value_or(0.0)}, &error) &&
              store_->PutSigns(SignRecordsOf(session_->Learner()), &error);
  if (kept && session_->LastReviewChange()) {
    const ReviewChange& change = *session_->LastReviewChange();
    kept = change.Item ? store_->PutReview(ReviewRecordOf(system, *change.Item), &error)
                       : store_->RemoveReview(system, change.Word, &error);
  }
  // Told once, at the end, rather than after every word.
  if (!kept && storeError_.isEmpty()) storeError_ = error;
}

std::vector<double> PracticeRunner::SessionSpeeds() const {
  std::vector<double> speeds = earlierSpeeds_;
  if (session_ && session_->Score().Asked() > 0)
    if (const std::optional<double> now = session_->ReadingSpeed()) speeds.push_back(*now);
  return speeds;
}

void PracticeRunner::ShowReadingSpeed() {
  if (!session_) return;
  const std::vector<double> speeds = SessionSpeeds();
  window_.ShowReadingSpeed({wordPace_, spokenSpeed_, session_->ReadingSpeed(), kTargetLettersPerSecond,
                            SessionsToTarget(speeds, kTargetLettersPerSecond)});
}

void PracticeRunner::ApplyFocus() {
  if (!session_) return;
  window_.ShowStatus(session_->SetFocus(window_.Focus()).value_or(QString()));
}
