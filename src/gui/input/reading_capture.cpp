#include "gui/input/reading_capture.h"

#include "convert/kanji_reading.h"
#include "convert/typed_text_normalization.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

bool IsKanaText(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    const bool kana = (u >= 0x3041 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F);
    if (!kana) return false;
  }
  return true;
}

ReadingCapture::ReadingCapture(QLineEdit& wordBox, QLineEdit& readingBox, QObject* parent)
    : QObject(parent), wordBox_(wordBox), readingBox_(readingBox) {
  wordBox_.installEventFilter(this);
}

ReadingCapture::~ReadingCapture() = default;

void ReadingCapture::SetActive(bool active) {
  active_ = active;
  kanaPreedit_.clear();
}

bool ReadingCapture::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &wordBox_) return false;
  switch (event->type()) {
    case QEvent::InputMethod:
      InputMethodEvent(static_cast<const QInputMethodEvent&>(*event));
      break;
    case QEvent::KeyPress:
      return !KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
      KeyRelease(static_cast<const QKeyEvent&>(*event));
      break;
    case QEvent::FocusOut:
      // A composition left behind is committed by the box; its preedit goes with it.
      preedit_.clear();
      break;
    default: break;
  }
  return false;
}

void ReadingCapture::InputMethodEvent(const QInputMethodEvent& event) {
  // Seen before the box inserts the commit, so the caret is where it will go.
  if (active_ && !event.commitString().isEmpty()) Capture(event.commitString(), kanaPreedit_);
  preedit_ = event.preeditString();
  if (!event.commitString().isEmpty()) kanaPreedit_.clear();
  if (IsKanaText(preedit_)) kanaPreedit_ = preedit_;
}

bool ReadingCapture::KeyPress(const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  if (enter && IsComposing()) {
    QGuiApplication::inputMethod()->commit();
    return false;
  }
  // Pasted text has no preedit; seen before the box inserts it, as a commit is.
  if (event.matches(QKeySequence::Paste)) {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (active_ && !wordBox_.isReadOnly() && !pasted.isEmpty()) Capture(pasted, {});
    return true;
  }
  // A key the input method passed on is typed as it is: the input method is closed.
  if (active_ && !wordBox_.isReadOnly() && !event.text().isEmpty() &&
      event.text().front().unicode() > 31 && event.text().front().unicode() != 127 &&
      !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    readingBox_.setText(readingBox_.text() + event.text());
  return true;
}

void ReadingCapture::KeyRelease(const QKeyEvent& event) {
  const bool erasing = event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete;
  if (active_ && erasing && wordBox_.text().isEmpty()) readingBox_.clear();
}

void ReadingCapture::Capture(const QString& committed, const QString& kanaPreedit) {
  if (const auto singleBytes = SingleByteForm(committed)) {
    PutReading(*singleBytes);
  } else if (!kanaPreedit.isEmpty()) {
    PutReading(HalfWidthKatakana(kanaPreedit));
  } else if (const auto read = Reader().Reading(committed)) {
    PutReading(*read);
  } else {
    emit readingMissing(NoReadingMessage(committed));
  }
}

void ReadingCapture::PutReading(const QString& reading) {
  const QString text = mode_ == Mode::UpperCase ? reading.toUpper() : reading;
  const int caret = wordBox_.hasSelectedText() ? wordBox_.selectionStart() : wordBox_.cursorPosition();
  readingBox_.setText(caret > 0 ? readingBox_.text() + text : text + readingBox_.text());
}

const KanjiReader& ReadingCapture::Reader() {
  if (!reader_) reader_ = std::make_unique<KanjiReader>();
  return *reader_;
}
