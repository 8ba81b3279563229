#include "gui/practice/practice_runner.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "gui/input/hidden_text_guard.h"
#include "gui/practice/practice_window.h"
#include "shell/list_word_playback.h"
#include "shell/practice_history.h"
#include "shell/start_flow.h"

#include <QDateTime>
#include <QLineEdit>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kPauseBeforeNextWordMs = 1800;
constexpr int kSessionsShown = 12;

LearnerTime Now() { return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()); }

}  // namespace

PracticeRunner::PracticeRunner(PracticeWindow& window, Boxes boxes, SignClass& signs,
                               MessageSink& messages, QString historyPath, QObject* parent)
    : QObject(parent),
      window_(window),
      boxes_(boxes),
      signs_(signs),
      messages_(messages),
      historyPath_(std::move(historyPath)) {
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
  const auto learner = std::find_if(learners_.begin(), learners_.end(), [&](const LearnerModel& model) {
    return model.System() == session_->SpellingSystem();
  });
  if (learner != learners_.end()) session_->UseLearner(*learner);
  begun_ = false;
  mainSpeed_ = boxes_.speed->text();
  window_.SetSpeedText(mainSpeed_);
  window_.ShowScore(QString());
  // Room for the running session as the newest bar.
  earlierSessions_ =
      LastSessionsOf(ReadPracticeHistory(historyPath_), session_->SpellingSystem(), kSessionsShown - 1);
  window_.ShowHistory(earlierSessions_);
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
    session_->PickNext(Now());
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
  window_.ShowStatus(PaceStatus(static_cast<int>(signs_.Sequence().size()), signs_.LastWordPictures()));
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
    if (!AppendPracticeRecord(historyPath_, record, &historyError)) historyFailed = true;
  }
  Stop();
  boxes_.word->clear();
  boxes_.reading->clear();
  // Told once the practice window is gone, over the main window.
  if (historyFailed) messages_.ShowMessage(PracticeHistorySaveMessage(historyPath_, historyError));
}

void PracticeRunner::Stop() {
  nextWordTimer_.stop();
  const bool keepSpeed = begun_ && window_.KeepSpeed() && SpeedFromText(window_.SpeedText()).has_value();
  boxes_.speed->setText(keepSpeed ? window_.SpeedText() : mainSpeed_);
  if (session_) {
    std::erase_if(learners_, [&](const LearnerModel& model) { return model.System() == session_->SpellingSystem(); });
    learners_.push_back(session_->Learner());
  }
  session_.reset();
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
  const bool right = session_->Answer(typed, spokenSpeed_, Now());
  const PracticeItem& item = session_->Current();
  const QString shown = item.Reading.isEmpty() ? item.Answer : item.Answer + QStringLiteral(" (") + item.Reading + u')';
  window_.ShowResult(right, shown, typed, session_->Letters());
  window_.ShowScore(session_->Score());
  if (window_.AdaptSpeed() && !counted) {
    const std::optional<int16_t> speed = SpeedFromText(window_.SpeedText());
    window_.SetSpeedText(QString::number(AdaptedSpeed(speed.value_or(100), right)));
  }
  ShowLiveChart();
  nextWordTimer_.start();
}
