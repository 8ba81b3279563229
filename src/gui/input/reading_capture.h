#pragma once

#include <QObject>
#include <QString>

#include <memory>

class KanjiReader;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

// While a Japanese word is typed in the word box through the input method, the
// reading of each committed conversion goes into the reading box, so that the kana
// converter spells kanji by their reading.
//
// The reading of committed text is, in this order: the text itself when it is single
// bytes once narrowed (romaji, digits, kana); else the last preedit in kana before the
// commit (the syllables typed before converting); else the dictionary's reading of it
// (kanji pasted with the keyboard, or an input method that shows no preedit). It goes in as half-width
// katakana, upper-cased by the reading mode, behind the reading box's text, or in
// front of it when the caret stands at the start of the word box.
//
// Always, whether capturing or not: Enter during a composition only commits it.
class ReadingCapture : public QObject {
  Q_OBJECT

 public:
  enum class Mode {
    Narrow,     // 0: the narrow form only
    UpperCase,  // 1: romaji upper-cased too
  };

  // Watches `wordBox` (an event filter) and writes to `readingBox`; both outlive it.
  ReadingCapture(QLineEdit& wordBox, QLineEdit& readingBox, QObject* parent = nullptr);
  ~ReadingCapture() override;

  // Capturing happens only while active: the Japanese word box of JSL.
  void SetActive(bool active);
  bool IsActive() const { return active_; }
  void SetReadingMode(Mode mode) { mode_ = mode; }

  // True while the input method shows a composition in the word box.
  bool IsComposing() const { return !preedit_.isEmpty(); }

 signals:
  // A committed text has no reading in the dictionary; the reading box is unchanged.
  void readingMissing(const QString& message);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void InputMethodEvent(const QInputMethodEvent& event);
  // False when the key is kept from the box.
  bool KeyPress(const QKeyEvent& event);
  void KeyRelease(const QKeyEvent& event);
  // `kanaPreedit` is the kana typed before the text was committed, if any.
  void Capture(const QString& committed, const QString& kanaPreedit);
  void PutReading(const QString& reading);
  const KanjiReader& Reader();

  QLineEdit& wordBox_;
  QLineEdit& readingBox_;
  bool active_ = false;
  Mode mode_ = Mode::UpperCase;
  QString preedit_;
  QString kanaPreedit_;
  std::unique_ptr<KanjiReader> reader_;  // opened when first needed
};

// True when `text` is kana only (hiragana, katakana of either width, the long-vowel
// and sound marks): a preedit that is the reading of what it converts to.
bool IsKanaText(const QString& text);
