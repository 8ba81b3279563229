#include "gui/view/playback_bar.h"

#include "shell/caption_table.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

PlaybackBar::PlaybackBar(QWidget* parent)
    : QWidget(parent),
      letters_(new QLabel(this)),
      replay_(new QPushButton(QStringLiteral("Replay"), this)),
      slider_(new QSlider(Qt::Horizontal, this)),
      paused_(new QLabel(this)),
      showLetters_(new QCheckBox(QStringLiteral("Show letters"), this)) {
  setObjectName(QStringLiteral("PlaybackBar"));
  letters_->setObjectName(QStringLiteral("lblLetters"));
  letters_->setAlignment(Qt::AlignCenter);
  letters_->setTextFormat(Qt::RichText);
  letters_->setAccessibleName(lettersCaption_);
  replay_->setObjectName(QStringLiteral("cmdReplay"));
  replay_->setAccessibleName(replay_->text());
  replay_->setToolTip(QStringLiteral("Play the last word again (Ctrl+R)"));
  replay_->setEnabled(false);
  slider_->setObjectName(QStringLiteral("sldStep"));
  slider_->setAccessibleName(QStringLiteral("Step of the word"));
  slider_->setToolTip(QStringLiteral("Where the word is; drag to any step"));
  slider_->setEnabled(false);
  // The slider is moved by the mouse only: the arrow keys step a paused word by sign.
  slider_->setFocusPolicy(Qt::NoFocus);
  // Long captions at a large font take the bar's room from the slider; it keeps enough
  // to drag along, and the window grows instead.
  slider_->setMinimumWidth(120);
  paused_->setObjectName(QStringLiteral("lblPaused"));
  Retranslate();
  // It keeps its place while hidden, so the slider does not change length.
  QSizePolicy pausedPolicy = paused_->sizePolicy();
  pausedPolicy.setRetainSizeWhenHidden(true);
  paused_->setSizePolicy(pausedPolicy);
  paused_->hide();
  showLetters_->setObjectName(QStringLiteral("chkLetters"));
  showLetters_->setAccessibleName(showLetters_->text());
  showLetters_->setChecked(true);

  auto* row = new QHBoxLayout;
  row->addWidget(replay_);
  row->addWidget(slider_, 1);
  row->addWidget(paused_);
  row->addWidget(showLetters_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(letters_);
  column->addLayout(row);

  connect(replay_, &QPushButton::clicked, this, &PlaybackBar::replayClicked);
  // The program sets the slider with its signals blocked: only the user's moves tell.
  connect(slider_, &QSlider::valueChanged, this, &PlaybackBar::pictureChosen);
  connect(showLetters_, &QCheckBox::toggled, this, &PlaybackBar::UpdateLettersVisibility);
  UpdateLettersVisibility();
}

void PlaybackBar::SetInterfaceFont(const QFont& font) {
  for (QWidget* control : std::initializer_list<QWidget*>{replay_, paused_, showLetters_}) control->setFont(font);
  QFont large = font;
  large.setPointSize(std::max(font.pointSize(), 1) * 3 / 2);
  letters_->setFont(large);
}

void PlaybackBar::SetPictureCount(int count) {
  const QSignalBlocker quiet(slider_);
  slider_->setRange(0, std::max(0, count - 1));
  slider_->setEnabled(count > 0);
}

void PlaybackBar::SetPicture(int picture) {
  const QSignalBlocker quiet(slider_);
  slider_->setValue(picture);
}

// The pause sign is no row of the caption table; it follows the translation installed.
void PlaybackBar::Retranslate() {
  paused_->setText(tr("Paused"));
  paused_->setAccessibleName(paused_->text());
  paused_->setToolTip(tr("Space resumes the word"));
}

void PlaybackBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void PlaybackBar::SetCaptions(const CaptionTable& captions, InterfaceLanguage language) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  replay_->setText(caption(ReplayCaption));
  replay_->setAccessibleName(replay_->text());
  replay_->setToolTip(caption(ReplayTipCaption));
  showLetters_->setText(caption(ShowLettersCaption));
  showLetters_->setAccessibleName(showLetters_->text());
  slider_->setAccessibleName(caption(StepSliderCaption));
  slider_->setToolTip(caption(StepSliderTipCaption));
  lettersCaption_ = caption(LetterBeingSignedCaption);
  UpdateSpokenLetters();
}

int PlaybackBar::Picture() const { return slider_->value(); }

void PlaybackBar::SetPaused(bool paused) { paused_->setVisible(paused); }

bool PlaybackBar::PausedShown() const { return !paused_->isHidden(); }

namespace {

// `text` with `span` marked: in brackets as plain text, highlighted as the line shows it.
struct MarkedText {
  QString plain;
  QString shown;
};

MarkedText Mark(const QString& text, TextSpan span) {
  const QString before = text.left(span.start);
  const QString marked = text.mid(span.start, span.length);
  const QString after = text.mid(span.start + span.length);
  if (marked.isEmpty()) return {text, text.toHtmlEscaped()};
  return {before + u'[' + marked + u']' + after,
          before.toHtmlEscaped() +
              QStringLiteral("<span style=\"background-color:#ffd54f; color:#000000;\"><u>") +
              marked.toHtmlEscaped() + QStringLiteral("</u></span>") + after.toHtmlEscaped()};
}

}  // namespace

void PlaybackBar::ShowLetters(const QString& text, const SignMark& mark) {
  MarkedText line = Mark(text, mark.span);
  shownSign_ = text.mid(mark.span.start, mark.span.length);
  if (!mark.letters.isEmpty()) {
    const MarkedText letters = Mark(mark.letters, mark.letter);
    line.plain += u' ' + letters.plain;
    line.shown += QStringLiteral("&nbsp;&nbsp;&nbsp;") + letters.shown;
    shownSign_ = mark.letters.mid(mark.letter.start, mark.letter.length);
  }
  lettersText_ = line.plain;
  letters_->setText(line.shown);
  UpdateLettersVisibility();
}

void PlaybackBar::ClearLetters() {
  lettersText_.clear();
  shownSign_.clear();
  letters_->clear();
  UpdateLettersVisibility();
}

void PlaybackBar::SetLettersAllowed(bool allowed) {
  lettersAllowed_ = allowed;
  UpdateLettersVisibility();
}

bool PlaybackBar::LettersShown() const { return !letters_->isHidden() && !lettersText_.isEmpty(); }

QString PlaybackBar::LettersText() const { return LettersShown() ? lettersText_ : QString(); }

void PlaybackBar::UpdateLettersVisibility() {
  // The line keeps its height while hidden, so the picture does not jump.
  const bool shown = lettersAllowed_ && showLetters_->isChecked();
  QSizePolicy policy = letters_->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  letters_->setSizePolicy(policy);
  letters_->setVisible(shown);
  UpdateSpokenLetters();
}

void PlaybackBar::UpdateSpokenLetters() {
  // The name is what a screen reader reads as the line changes, so it is made from the
  // line as shown now: nothing of a word gone, or of one hidden from the learner.
  const QString shown = LettersText();
  letters_->setAccessibleName(shown.isEmpty() ? lettersCaption_ : lettersCaption_ + QStringLiteral(": ") + shown);
  letters_->setAccessibleDescription(shown);
  const QString sign = shown.isEmpty() ? QString() : shownSign_;
  if (sign != spokenSign_) emit signShown(spokenSign_ = sign);
}
