#pragma once

#include "signdata/word_list_file.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QFont;
class QLayout;
class QPushButton;
class QVBoxLayout;

// The captions of an editor's buttons, in the editor's language.
struct ListEditorButtonCaptions {
  QString add;
  QString remove;
  QString import;
  QString save;
  QString close;
};

// What the two word-list editors share: the file a save writes, the flag of unsaved
// changes with the question asked before they are dropped, saving, reading a file to
// import, and the request to spell a word on the main window. A window is made once
// and hidden, not closed, by Close, its frame or Escape.
class ListEditorWindow : public QDialog {
  Q_OBJECT

 public:
  // True when the list has changed since it was shown or saved.
  bool IsModified() const { return modified_; }
  const QString& Path() const { return path_; }

  // Close, the frame and Escape: with unsaved changes the user is asked first, and
  // "No" (the default) keeps the window open.
  void reject() override;

 signals:
  // A word was double-clicked: spell it on the main window's hand.
  void spellRequested(const QString& word);

 protected:
  explicit ListEditorWindow(QWidget* parent);

  // The window's title, marked while there are unsaved changes.
  void SetTitle(const QString& title);
  // A new list for the file at `path`, nothing changed yet.
  void Begin(const QString& path, WordListFormat format);
  // The title ends in "*" while there are unsaved changes, so a save shows it worked.
  void MarkModified() { SetModified(true); }
  // Writes the list to the file; a failure is told and keeps the changes marked.
  bool SaveList(const WordList& list);
  // Asks for a text file to import and reads it; nothing when the user cancels or the
  // file cannot be read (which the user is told).
  std::optional<QString> AskImportText();
  void ShowMessage(const QString& text);

  // The column of buttons beside the list: `above` (an editor's entry boxes, if any),
  // then Add, Remove and Import, and Save and Close at its foot. The buttons call the
  // editor's Add, Remove, Import and Save; Close is reject(). SetButtonCaptions names them.
  QVBoxLayout* MakeButtonColumn(QLayout* above = nullptr);
  void SetButtonCaptions(const ListEditorButtonCaptions& captions);
  void SetButtonFont(const QFont& font);

 private:
  void SetModified(bool modified);
  // Asked before unsaved changes are dropped, in the editor's language.
  virtual QString CloseQuestion() const = 0;
  virtual void Add() = 0;
  virtual void Remove() = 0;
  virtual void Import() = 0;
  virtual void Save() = 0;

  std::vector<QPushButton*> buttons_;
  QString path_;
  WordListFormat format_ = WordListFormat::Plain;
  bool modified_ = false;
};
