#pragma once

#include "convert/spelled_letters.h"
#include "shell/interface_language.h"

#include <QWidget>

#include <cstdint>

class CaptionTable;
class QCheckBox;
class QFont;
class QLabel;
class QPushButton;
class QSlider;

// The strip under the picture: the word being spelled with the letter being signed
// marked ("lblLetters"), "Replay" ("cmdReplay"), the place in the word ("sldStep"),
// which can be dragged to any step, "Paused" while the word is ("lblPaused"), and
// "Show letters" ("chkLetters").
class PlaybackBar : public QWidget {
  Q_OBJECT

 public:
  explicit PlaybackBar(QWidget* parent = nullptr);

  void SetInterfaceFont(const QFont& font);
  void SetCaptions(const CaptionTable& captions, InterfaceLanguage language);

  // The slider over `count` pictures, at `picture`; disabled for no pictures.
  void SetPictureCount(int count);
  void SetPicture(int picture);
  int Picture() const;
  // Shows or hides the word's pause sign.
  void SetPaused(bool paused);
  bool PausedShown() const;

  // `text` with the stretch of `mark` marked, followed by the stretch's letters with
  // the sign's own marked where it has several ("안[녕] ㄴ[ㅕ]ㅇ"); an empty text clears
  // the line. Shown only while letters are wanted.
  void ShowLetters(const QString& text, const SignMark& mark);
  void ClearLetters();
  // False while the practice runs, so the line does not give the answer away.
  void SetLettersAllowed(bool allowed);
  bool LettersShown() const;
  // The plain text of the line, as a screen reader reads it, e.g. "he[l]lo".
  QString LettersText() const;

  QPushButton* ReplayButton() const { return replay_; }
  QSlider* Slider() const { return slider_; }

 signals:
  void replayClicked();
  // The user moved the slider to `picture`.
  void pictureChosen(int picture);
  // The letters of the sign being signed, as the line shows them (the jamo of a
  // syllable); empty when the line shows none.
  void signShown(const QString& sign);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void UpdateLettersVisibility();
  void UpdateSpokenLetters();

  QLabel* letters_;
  QPushButton* replay_;
  QSlider* slider_;
  QLabel* paused_;
  QCheckBox* showLetters_;
  bool lettersAllowed_ = true;
  QString lettersText_;
  QString shownSign_;
  QString spokenSign_;
  QString lettersCaption_ = QStringLiteral("Letter being signed");
};
