#include "gui/practice/practice_window.h"

#include "gui/main_window/background_painter.h"
#include "gui/practice/practice_chart.h"
#include "shell/answer_check.h"
#include "shell/caption_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int kBackgroundStyle = 0;
constexpr int kLongestWord = 31;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAccessibleName(caption);
  button->setAutoDefault(false);
  return button;
}

// A line that changes as the practice goes: a screen reader reads its name, so the
// name carries the text after the line's caption.
void SetSpokenText(QLabel& label, const QString& caption, const QString& text) {
  label.setText(text);
  label.setAccessibleName(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
}

QSpinBox* LengthBox(QWidget* parent, const char* name, const QString& label) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(label);
  box->setRange(0, kLongestWord);
  box->setSpecialValueText(QStringLiteral("any"));
  return box;
}

}  // namespace

PracticeWindow::PracticeWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmYesNo"));
  setWindowTitle(QStringLiteral("Practice"));
  // The main window waits while the practice runs; the hand goes on moving.
  setModal(true);
  PaintBackground(*this, kBackgroundStyle, u'R');

  speedBox_ = new QLineEdit(QStringLiteral("100"), this);
  speedBox_->setObjectName(QStringLiteral("Text1"));
  speedBox_->setAccessibleName(QStringLiteral("Speed"));
  speedBox_->setMaximumWidth(80);
  answerButton_ = Button(this, "Answer", QStringLiteral("Answer"));
  startButton_ = Button(this, "btnStartPractice", QStringLiteral("Start"));
  continueButton_ = Button(this, "Yes", QStringLiteral("Continue"));
  repeatButton_ = Button(this, "Repeat", QStringLiteral("Repeat"));
  endButton_ = Button(this, "No", QStringLiteral("End"));
  progressButton_ = Button(this, "btnProgress", QStringLiteral("Progress"));
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName(QStringLiteral("Label1"));
  statusLabel_->setTextFormat(Qt::PlainText);
  statusLabel_->setAccessibleName(statusCaption_);

  typedAnswerBox_ = new QCheckBox(QStringLiteral("Type the answer"), this);
  typedAnswerBox_->setObjectName(QStringLiteral("chkTypedAnswer"));
  typedAnswerBox_->setAccessibleName(typedAnswerBox_->text());
  answerLabel_ = new QLabel(QStringLiteral("Your answer"), this);
  auto* answerLabel = answerLabel_;
  answerBox_ = new QLineEdit(this);
  answerBox_->setObjectName(QStringLiteral("txtAnswer"));
  answerBox_->setAccessibleName(answerLabel->text());
  answerLabel->setBuddy(answerBox_);
  resultLabel_ = new QLabel(this);
  resultLabel_->setObjectName(QStringLiteral("lblResult"));
  resultLabel_->setTextFormat(Qt::PlainText);
  resultLabel_->setAccessibleName(resultCaption_);
  scoreLabel_ = new QLabel(this);
  scoreLabel_->setObjectName(QStringLiteral("lblScore"));
  scoreLabel_->setTextFormat(Qt::PlainText);
  scoreLabel_->setAccessibleName(scoreCaption_);
  readingSpeedLabel_ = new QLabel(this);
  readingSpeedLabel_->setObjectName(QStringLiteral("lblReadingSpeed"));
  readingSpeedLabel_->setTextFormat(Qt::PlainText);
  // The line can be long (and longer in some languages): it wraps rather than widen
  // the window past the screen.
  readingSpeedLabel_->setWordWrap(true);
  readingSpeedLabel_->setAccessibleName(readingSpeedCaption_);
  shortestBox_ = LengthBox(this, "spnShortest", QStringLiteral("Shortest word"));
  longestBox_ = LengthBox(this, "spnLongest", QStringLiteral("Longest word"));
  adaptSpeedBox_ = new QCheckBox(QStringLiteral("Adapt speed"), this);
  adaptSpeedBox_->setObjectName(QStringLiteral("chkAdaptSpeed"));
  adaptSpeedBox_->setAccessibleName(adaptSpeedBox_->text());
  keepSpeedBox_ = new QCheckBox(this);
  keepSpeedBox_->setObjectName(QStringLiteral("chkKeepSpeed"));
  chart_ = new PracticeChart(this);

  auto* speedRow = new QHBoxLayout;
  speedLabel_ = new QLabel(QStringLiteral("Speed"), this);
  auto* speedLabel = speedLabel_;
  speedLabel->setBuddy(speedBox_);
  speedRow->addWidget(speedLabel);
  speedRow->addWidget(speedBox_);
  speedRow->addWidget(new QLabel(QStringLiteral("%"), this));
  speedRow->addWidget(keepSpeedBox_);
  speedRow->addStretch();
  speedRow->addWidget(answerButton_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(startButton_);
  buttons->addWidget(continueButton_);
  buttons->addWidget(repeatButton_);
  buttons->addWidget(endButton_);
  buttons->addStretch();
  buttons->addWidget(progressButton_);
  auto* answerRow = new QHBoxLayout;
  answerRow->addWidget(answerLabel);
  answerRow->addWidget(answerBox_, 1);
  auto* options = new QFormLayout;
  auto* lengths = new QHBoxLayout;
  lengths->addWidget(shortestBox_);
  lengthToLabel_ = new QLabel(QStringLiteral("to"), this);
  lengths->addWidget(lengthToLabel_);
  lengths->addWidget(longestBox_);
  lengths->addStretch();
  lengthLabel_ = new QLabel(QStringLiteral("Word length (signs)"), this);
  options->addRow(lengthLabel_, lengths);
  options->addRow(typedAnswerBox_, adaptSpeedBox_);
  focusBox_ = new QComboBox(this);
  focusBox_->setObjectName(QStringLiteral("cmbFocus"));
  focusBox_->setEditable(true);
  focusBox_->setInsertPolicy(QComboBox::NoInsert);
  focusLabel_ = new QLabel(QStringLiteral("Focus on letters"), this);
  focusLabel_->setBuddy(focusBox_);
  focusBox_->setAccessibleName(focusLabel_->text());
  focusBox_->lineEdit()->setAccessibleName(focusLabel_->text());
  options->addRow(focusLabel_, focusBox_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(speedRow);
  layout->addLayout(buttons);
  layout->addWidget(statusLabel_);
  layout->addLayout(options);
  layout->addLayout(answerRow);
  layout->addWidget(resultLabel_);
  signPair_ = new QWidget(this);
  signPair_->setObjectName(QStringLiteral("SignPair"));
  auto* pair = new QHBoxLayout(signPair_);
  pair->setContentsMargins(0, 0, 0, 0);
  const struct {
    QLabel** picture;
    QLabel** caption;
    const char* pictureName;
    const char* captionName;
  } sides[] = {{&shownSignPicture_, &shownSignCaption_, "picShownSign", "lblShownSign"},
               {&readSignPicture_, &readSignCaption_, "picReadSign", "lblReadSign"}};
  for (const auto& side : sides) {
    auto* column = new QVBoxLayout;
    *side.picture = new QLabel(signPair_);
    (*side.picture)->setObjectName(QString::fromLatin1(side.pictureName));
    *side.caption = new QLabel(signPair_);
    (*side.caption)->setObjectName(QString::fromLatin1(side.captionName));
    for (QLabel* label : {*side.picture, *side.caption}) {
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignCenter);
      column->addWidget(label);
    }
    pair->addLayout(column);
  }
  pair->addStretch();
  signPair_->hide();
  layout->addWidget(signPair_);
  layout->addWidget(scoreLabel_);
  layout->addWidget(readingSpeedLabel_);
  layout->addWidget(chart_);

  connect(answerButton_, &QPushButton::pressed, this, [this] { emit answerHeld(true); });
  connect(answerButton_, &QPushButton::released, this, [this] { emit answerHeld(false); });
  connect(startButton_, &QPushButton::clicked, this, &PracticeWindow::startClicked);
  connect(continueButton_, &QPushButton::clicked, this, &PracticeWindow::continueClicked);
  connect(repeatButton_, &QPushButton::clicked, this, &PracticeWindow::repeatClicked);
  connect(endButton_, &QPushButton::clicked, this, &PracticeWindow::endClicked);
  connect(progressButton_, &QPushButton::clicked, this, &PracticeWindow::progressClicked);
  connect(answerBox_, &QLineEdit::returnPressed, this, [this] {
    if (startButton_->isVisible()) {
      emit startClicked();
      return;
    }
    // Enter once the answer is shown goes on to the next word.
    if (!resultLabel_->text().isEmpty()) {
      emit continueClicked();
      return;
    }
    emit answerTyped(answerBox_->text());
  });
  connect(typedAnswerBox_, &QCheckBox::toggled, this, [this](bool typed) {
    answerBox_->setEnabled(typed);
    if (typed) answerBox_->setFocus();
  });
  connect(shortestBox_, &QSpinBox::valueChanged, this, &PracticeWindow::lengthChanged);
  connect(focusBox_, &QComboBox::currentTextChanged, this, &PracticeWindow::focusChanged);
  connect(longestBox_, &QSpinBox::valueChanged, this, &PracticeWindow::lengthChanged);
  answerBox_->setEnabled(false);
  Retranslate();
}

// "Keep this speed" is no row of the caption table; it follows the translation installed.
void PracticeWindow::Retranslate() {
  keepSpeedBox_->setText(tr("Keep this speed"));
  keepSpeedBox_->setAccessibleName(keepSpeedBox_->text());
}

void PracticeWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void PracticeWindow::SetCaptions(const CaptionTable& captions, InterfaceLanguage language, const QFont& font) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  answerButton_->setText(caption(AnswerCaption));
  startButton_->setText(caption(StartCaption));
  continueButton_->setText(caption(ContinueCaption));
  repeatButton_->setText(caption(RepeatCaption));
  endButton_->setText(caption(EndCaption));
  progressButton_->setText(caption(ProgressCaption));
  for (QPushButton* button : {startButton_, answerButton_, continueButton_, repeatButton_, endButton_, progressButton_})
    button->setAccessibleName(button->text());
  setWindowTitle(caption(PracticeCaption));
  speedLabel_->setText(caption(SpeedCaption));
  speedBox_->setAccessibleName(speedLabel_->text());
  typedAnswerBox_->setText(caption(TypeAnswerCaption));
  adaptSpeedBox_->setText(caption(AdaptSpeedCaption));
  for (QCheckBox* box : {typedAnswerBox_, adaptSpeedBox_}) box->setAccessibleName(box->text());
  answerLabel_->setText(caption(YourAnswerCaption));
  answerBox_->setAccessibleName(answerLabel_->text());
  lengthLabel_->setText(caption(WordLengthCaption));
  focusLabel_->setText(caption(FocusCaption));
  focusBox_->setAccessibleName(focusLabel_->text());
  focusBox_->lineEdit()->setAccessibleName(focusLabel_->text());
  lengthToLabel_->setText(caption(LengthToCaption));
  shortestBox_->setAccessibleName(caption(ShortestWordCaption));
  longestBox_->setAccessibleName(caption(LongestWordCaption));
  for (QSpinBox* box : {shortestBox_, longestBox_}) box->setSpecialValueText(caption(AnyLengthCaption));
  resultCaption_ = caption(ResultCaption);
  scoreCaption_ = caption(ScoreCaption);
  statusCaption_ = caption(StatusCaption);
  SetSpokenText(*resultLabel_, resultCaption_, resultLabel_->text());
  SetSpokenText(*scoreLabel_, scoreCaption_, scoreLabel_->text());
  SetSpokenText(*statusLabel_, statusCaption_, statusLabel_->text());
  readingSpeedCaption_ = caption(ReadingSpeedCaption);
  signShownFormat_ = caption(SignShownCaption);
  signReadFormat_ = caption(SignReadCaption);
  readingPhrases_ = {.WordPace = caption(WordPaceCaption),
                     .Reading = caption(ReadingNowCaption),
                     .ReadingNotKnown = caption(ReadingNotKnownCaption),
                     .SessionsLeft = caption(SessionsLeftCaption),
                     .TargetReached = caption(TargetReachedCaption),
                     .SessionsNotKnown = caption(SessionsNotKnownCaption),
                     .Between = caption(ReadingBetweenCaption)};
  if (!readingSpeedLabel_->text().isEmpty()) ShowReadingSpeed(readingFacts_);
  scoreFormat_ = caption(ScoreLineCaption);
  wrongAnswerFormat_ = caption(WrongAnswerCaption);
  letterPhrases_ = {.ReadAs = caption(LetterReadAsCaption),
                    .Missed = caption(LetterMissedCaption),
                    .Added = caption(LetterAddedCaption),
                    .Sentence = caption(LetterSentenceCaption),
                    .Also = caption(LetterAlsoCaption),
                    .Between = caption(LetterBetweenCaption),
                    .BeforeLast = caption(LetterBeforeLastCaption)};
  chart_->SetCaptions({caption(ProgressCaption), caption(NoSessionCaption), caption(RightShareAxisCaption),
                       caption(SpeedAxisCaption)});
  for (QWidget* control : findChildren<QWidget*>())
    if (control != chart_) control->setFont(font);
}

QString PracticeWindow::SpeedText() const { return speedBox_->text(); }
void PracticeWindow::SetSpeedText(const QString& text) { speedBox_->setText(text); }
bool PracticeWindow::TypedAnswer() const { return typedAnswerBox_->isChecked(); }
bool PracticeWindow::AdaptSpeed() const { return adaptSpeedBox_->isChecked(); }
bool PracticeWindow::KeepSpeed() const { return keepSpeedBox_->isChecked(); }
int PracticeWindow::Shortest() const { return shortestBox_->value(); }
int PracticeWindow::Longest() const { return longestBox_->value(); }

void PracticeWindow::SetOptions(bool typedAnswer, bool adaptSpeed, int shortest, int longest) {
  const QSignalBlocker blockShortest(shortestBox_);
  const QSignalBlocker blockLongest(longestBox_);
  typedAnswerBox_->setChecked(typedAnswer);
  answerBox_->setEnabled(typedAnswer);
  adaptSpeedBox_->setChecked(adaptSpeed);
  shortestBox_->setValue(shortest);
  longestBox_->setValue(longest);
}

void PracticeWindow::WaitForStart(bool waiting) {
  startButton_->setVisible(waiting);
  for (QPushButton* button : {answerButton_, continueButton_, repeatButton_}) button->setEnabled(!waiting);
  if (waiting) {
    keepSpeedBox_->setChecked(false);
    startButton_->setDefault(true);
    startButton_->setFocus();
  }
}

void PracticeWindow::NewWord() {
  answerBox_->clear();
  signPair_->hide();
  SetSpokenText(*resultLabel_, resultCaption_, QString());
  SetSpokenText(*statusLabel_, statusCaption_, QString());
  if (typedAnswerBox_->isChecked()) answerBox_->setFocus();
}

void PracticeWindow::ShowResult(bool right, const QString& answer, const QString& typed,
                                const LetterAlignment& letters) {
  QString result = right ? QStringLiteral("\u2714 %1").arg(answer)
                         : QStringLiteral("\u2718 ") + wrongAnswerFormat_.arg(answer, typed);
  if (const QString line = right ? QString() : LetterLine(letters, letterPhrases_); !line.isEmpty())
    result += u'\n' + line;
  SetSpokenText(*resultLabel_, resultCaption_, result);
  QPalette colours = resultLabel_->palette();
  colours.setColor(QPalette::WindowText, right ? QColor(0, 120, 0) : QColor(170, 0, 0));
  resultLabel_->setPalette(colours);
}

void PracticeWindow::ShowScore(const QString& score) { SetSpokenText(*scoreLabel_, scoreCaption_, score); }
void PracticeWindow::ShowScore(const PracticeScore& score) {
  ShowScore(scoreFormat_.arg(score.Right()).arg(score.Asked()).arg(score.Streak()));
}
void PracticeWindow::ShowStatus(const QString& text) { SetSpokenText(*statusLabel_, statusCaption_, text); }
void PracticeWindow::ShowHistory(const std::vector<PracticeSessionRecord>& sessions) { chart_->SetSessions(sessions); }

void PracticeWindow::ShowReadingSpeed(const ReadingSpeedFacts& facts) {
  readingFacts_ = facts;
  SetSpokenText(*readingSpeedLabel_, readingSpeedCaption_, ReadingSpeedLine(facts, readingPhrases_));
}

void PracticeWindow::ShowSignPair(const QImage& shown, const QString& shownLabel, const QImage& read,
                                  const QString& readLabel) {
  if (shown.isNull() || read.isNull()) {
    signPair_->hide();
    return;
  }
  shownSignPicture_->setPixmap(QPixmap::fromImage(shown));
  readSignPicture_->setPixmap(QPixmap::fromImage(read));
  // A screen reader hears which picture is which: the sign shown, and the one read.
  shownSignPicture_->setAccessibleName(signShownFormat_.arg(shownLabel));
  readSignPicture_->setAccessibleName(signReadFormat_.arg(readLabel));
  for (auto [picture, caption] : {std::pair{shownSignPicture_, shownSignCaption_}, std::pair{readSignPicture_, readSignCaption_}}) {
    // The names come from the sign files, so markup in them is shown, not followed.
    picture->setToolTip(Qt::convertFromPlainText(picture->accessibleName()));
    // The caption says what the picture's name says; the picture alone is read out.
    caption->setText(picture->accessibleName());
    caption->setAccessibleName(picture->accessibleName());
  }
  signPair_->show();
}

bool PracticeWindow::SignPairShown() const { return !signPair_->isHidden(); }

void PracticeWindow::SetFocusChoices(const QStringList& choices) {
  const QSignalBlocker quiet(focusBox_);
  const QString typed = focusBox_->currentText();
  focusBox_->clear();
  focusBox_->addItem(QString());
  focusBox_->addItems(choices);
  focusBox_->setEditText(typed);
}

QString PracticeWindow::Focus() const { return focusBox_->currentText(); }

void PracticeWindow::reject() { emit endClicked(); }
