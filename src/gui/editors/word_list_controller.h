#pragma once

#include "convert/system_id.h"
#include "shell/interface_language.h"
#include "shell/kana_input.h"

#include <QFont>
#include <QObject>
#include <QPointer>

class MessageSink;
class QLineEdit;
class QWidget;
class ReadingListEditor;
class SignClass;
class TimedPlayer;
class WordListEditor;
class WordPlaybackControl;
struct ProgramPlaces;

// What the word lists are edited with, all the main window's.
struct WordListControllerContext {
  QWidget& owner;  // the editors' parent, which they stand beside
  const ProgramPlaces& places;
  MessageSink& messages;
  SignClass& signs;
  const TimedPlayer& player;
  const QLineEdit& speedBox;  // a word double-clicked is spelled at this speed
  // A word spelled from a list is shown as if typed: in the boxes, in the letters under
  // the picture, and for Replay.
  QLineEdit& wordBox;
  QLineEdit& readingBox;
  WordPlaybackControl& playbackControl;
};

// Whose list is edited: the system and interface in use, how kana words and Korean are
// typed, and the fonts the editor shows it in.
struct WordListSituation {
  SystemId system = SystemId::American;
  InterfaceLanguage interface = InterfaceLanguage::English;
  KanaInput kanaInput = KanaInput::Romaji;
  bool hangulMode = false;
  QFont interfaceFont;
  QFont englishFont;
  QFont koreanFont;
};

// Tool → Word List Edit: reads the list of the current system (the user's copy once one
// is saved, else the shipped one), shows its editor beside the hand, and spells a word
// double-clicked in it, which the main window then shows as the word spelled.
class WordListController : public QObject {
  Q_OBJECT

 public:
  explicit WordListController(WordListControllerContext context, QObject* parent = nullptr);

  void EditWordList(const WordListSituation& situation);
  // The editor's A/한 button follows the main window's.
  void SetHangulMode(bool hangul);

  // The two editors, made on first use.
  WordListEditor& WordListWindow();
  ReadingListEditor& ReadingListWindow();

 signals:
  // The A/한 button of the word-list editor was clicked.
  void hangulModeClicked();

 private:
  void SpellListWord(const QString& word);

  WordListControllerContext context_;
  WordListSituation situation_;
  QPointer<WordListEditor> wordListEditor_;
  QPointer<ReadingListEditor> readingListEditor_;
};
