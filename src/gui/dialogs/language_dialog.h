#pragma once

#include "shell/system_language.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLocale;
class QPushButton;
class QRadioButton;

// The interface-language choice: English (the first option), Japanese, Korean or
// Indonesian. The caller
// prepares the window (PrepareFirstRun or PrepareLanguageOption), shows it modally and
// then takes LangChoice(): the chosen language, or nothing when the window was cancelled.
class LanguageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LanguageDialog(QWidget* parent = nullptr);

  // The last option selected, nothing after Cancel; kept between displays.
  std::optional<InterfaceLanguage> LangChoice() const { return choice_; }

  // Selects the option of a language and makes it the choice.
  void SelectOption(InterfaceLanguage option);

  // The first start: frames the note of the system's language and pre-selects that
  // language where the program speaks it, English on any other system.
  void PrepareFirstRun(const QLocale& systemLocale);

  // The Language Option menu: selects the current interface language and frames no note.
  void PrepareLanguageOption(InterfaceLanguage interfaceLanguage);

  // Whether a note carries the frame that marks the system's language.
  static bool IsMarked(const QLabel& note);

  // Closing the window by its frame or with Escape declines, as Cancel does.
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The texts that follow the interface language: the title and the buttons (each
  // option and note is in its own language).
  void Retranslate();
  void MarkNotes(SystemLanguage language);

  // The options and notes (objectNames "OptionButton1_0" .. "OptionButton1_3", "Image3",
  // "KoreanName", "IndonesianName", "Lbl1", "Img2", "Lbl3", "Img4", "Lbl5", "Lbl6"); OK
  // is "Command1", Cancel "Command2".
  std::array<QRadioButton*, 4> options_{};
  // Each language's own name beside its option.
  QLabel* japaneseName_ = nullptr;
  QLabel* koreanName_ = nullptr;
  QLabel* indonesianName_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;

  // The notes beside the options; the one that matches the system's language is framed.
  QLabel* englishNote_ = nullptr;  // English systems
  QLabel* japaneseNote_ = nullptr;  // Japanese systems, in Japanese
  QLabel* japaneseEnglishNote_ = nullptr;  // Japanese systems, in English
  QLabel* koreanNote_ = nullptr;  // Korean systems, in Korean
  QLabel* indonesianNote_ = nullptr;  // Indonesian systems, in Indonesian
  QLabel* otherNote_ = nullptr;  // every other system
  std::optional<InterfaceLanguage> choice_ = InterfaceLanguage::English;
};
