#pragma once

#include "gui/editors/list_editor_window.h"
#include "shell/word_list_rules.h"

#include <QFont>

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

// What the one-field list editor needs to know about the program when it is shown.
struct WordListEditorSetup {
  QString Path;             // where Save writes
  WordListSource Source;    // format and how words are spelled
  SystemId System = SystemId::BritishTwoHanded;  // never the numerals
  bool HangulMode = false;  // KSL typed in Hangul (else in roman letters)
  QFont InterfaceFont;
  QFont EnglishFont;
  QFont KoreanFont;
};

// The editor of the one-field lists (English, Indonesian, romaji, Korean): the words,
// an entry box, and for Korean typed in roman letters the Hangul it becomes.
class WordListEditor : public ListEditorWindow {
  Q_OBJECT

 public:
  explicit WordListEditor(QWidget* parent = nullptr);

  // Shows `list` for the file and system of `setup`; nothing is changed yet.
  void Initialize(const WordListEditorSetup& setup, const WordList& list);
  // Follows the main window's Hangul mode: the entry box takes Hangul, or roman
  // letters whose Hangul shows beside it.
  void SetHangulMode(bool hangul);

  // The words as the list box holds them.
  WordList Words() const;

 signals:
  // The Hangul mode button: the main window switches its mode and then this window's.
  void hangulModeClicked();

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString UnspellableText();
  void Retranslate();
  QString CloseQuestion() const override;
  bool RomanKorean() const;
  void ApplyMode();
  void ConvertTyped();
  void Add() override;
  void Remove() override;
  void Save() override;
  void Import() override;
  void ShowSelected();
  void MarkUnspellableEntries();
  void ShowCount();

  QListWidget* list_;
  QLineEdit* entryBox_;
  QLabel* hangulLabel_;
  QToolButton* hangulModeButton_;
  QLabel* countLabel_;
  WordListEditorSetup setup_;
};
