#pragma once

#include "gui/editors/list_editor_window.h"

#include <QFont>

class QLabel;
class QLineEdit;
class QListWidget;

// The editor of the Japanese list: each entry a word as written and its reading, the
// kana that is spelled. Captions are Japanese; the reading is kept in half-width
// katakana whatever kana it is typed in.
class ReadingListEditor : public ListEditorWindow {
  Q_OBJECT

 public:
  explicit ReadingListEditor(QWidget* parent = nullptr);

  // Shows `list` for the file at `path`; nothing is changed yet. `font` is the
  // interface font, which is Japanese wherever this list is used.
  void Initialize(const QString& path, const WordList& list, const QFont& font);

  // The readings and written words as the two list boxes hold them.
  WordList Words() const;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  QString CloseQuestion() const override;
  void Add() override;
  void Remove() override;
  void Save() override;
  void Import() override;
  void ShowSelected();
  void ShowCount();
  void Append(const QString& reading, const QString& written);

  QLabel* wordLabel_;
  QLineEdit* wordBox_;
  QLabel* readingLabel_;
  QLineEdit* readingBox_;
  QListWidget* writtenList_;
  QListWidget* readingList_;
  QLabel* countLabel_;
};
