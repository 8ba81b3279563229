#include "gui/editors/word_list_controller.h"

#include "base/message_sink.h"
#include "gui/dialogs/window_placement.h"
#include "gui/editors/reading_list_editor.h"
#include "gui/editors/word_list_editor.h"
#include "gui/view/word_playback_control.h"
#include "playback/timed_player.h"
#include "shell/list_word_playback.h"
#include "shell/program_places.h"
#include "shell/word_list_rules.h"
#include "signdata/word_list_file.h"

#include <QLineEdit>

WordListController::WordListController(WordListControllerContext context, QObject* parent)
    : QObject(parent), context_(context) {}

WordListEditor& WordListController::WordListWindow() {
  if (!wordListEditor_) {
    wordListEditor_ = new WordListEditor(&context_.owner);
    connect(wordListEditor_, &WordListEditor::hangulModeClicked, this, &WordListController::hangulModeClicked);
    connect(wordListEditor_, &ListEditorWindow::spellRequested, this, &WordListController::SpellListWord);
  }
  return *wordListEditor_;
}

ReadingListEditor& WordListController::ReadingListWindow() {
  if (!readingListEditor_) {
    readingListEditor_ = new ReadingListEditor(&context_.owner);
    connect(readingListEditor_, &ListEditorWindow::spellRequested, this, &WordListController::SpellListWord);
  }
  return *readingListEditor_;
}

void WordListController::SetHangulMode(bool hangul) {
  situation_.hangulMode = hangul;
  if (wordListEditor_) wordListEditor_->SetHangulMode(hangul);
}

void WordListController::EditWordList(const WordListSituation& situation) {
  situation_ = situation;
  const WordListSource source = WordListOfSystem(situation.system, situation.kanaInput);
  // The shipped list is read until the user has saved one; a save writes the user's copy.
  const QString readPath = context_.places.FileToRead(source.FileName);
  const QString path = context_.places.UserFile(source.FileName);
  WordListLoad load = LoadWordListFile(readPath, source.Format);
  // The editor still opens, empty, and a save creates the file.
  if (!load.ok) {
    context_.messages.ShowMessage(WordListReadMessage(readPath, load.reason));
    load.list = {};
  }
  if (source.ReadingEditor) {
    ReadingListEditor& editor = ReadingListWindow();
    editor.Initialize(path, load.list, situation.interfaceFont);
    PlaceBesideMainWindow(editor, context_.owner);
    editor.exec();
    return;
  }
  WordListEditor& editor = WordListWindow();
  editor.Initialize({path, source, situation.system, situation.hangulMode, situation.interfaceFont,
                     situation.englishFont, situation.koreanFont},
                    load.list);
  PlaceBesideMainWindow(editor, context_.owner);
  editor.exec();
}

void WordListController::SpellListWord(const QString& word) {
  if (context_.player.IsPlaying()) return;
  const WordListSource source = WordListOfSystem(situation_.system, situation_.kanaInput);
  std::optional<SpelledLetters> letters =
      PlayListWord(context_.signs, context_.messages, situation_.system, source.Spelling, word, context_.speedBox.text());
  if (!letters) return;
  // The boxes hold the word as Start would spell it again: romaji in the word box with
  // its katakana under it, anything else in the reading box alone.
  const bool romaji = source.Spelling == ListSpelling::Romaji;
  context_.wordBox.setText(romaji ? word : QString());
  context_.readingBox.setText(romaji ? letters->Text() : word);
  context_.playbackControl.SetLetters(std::move(*letters));
}
