#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;

// The menus of the main window, in their order on the menu bar.
struct MainWindowMenus {
  QMenu* FileMenus = nullptr;
  QAction* mnuOpen = nullptr;
  QAction* mnuExport = nullptr;
  QAction* mnuExit = nullptr;

  // Undo and Redo of the angle table's edits, shown in editing mode beside Tool → Edit;
  // the main window puts its undo history's actions in.
  QMenu* EditMenus = nullptr;
  QAction* mnuUndo = nullptr;
  QAction* mnuRedo = nullptr;

  QMenu* ToolMenus = nullptr;
  QAction* mnuOption = nullptr;
  QAction* mnuEdit = nullptr;
  QAction* mnuBmp = nullptr;
  QAction* mnuList = nullptr;
  QAction* mnuQuiz = nullptr;
  QAction* mnuProgress = nullptr;
  QAction* mnuLang = nullptr;
  QAction* mnuKanaInput = nullptr;
  QAction* mnuFont = nullptr;

  QMenu* HelpMenus = nullptr;
  QMenu* HelpSubMenus = nullptr;
  QAction* mnuJapaneseHelp = nullptr;
  QAction* mnuEnglishHelp = nullptr;
  QAction* mnuKoreanHelp = nullptr;
  QAction* mnuIndonesianHelp = nullptr;
  QAction* mnuAbout = nullptr;
};

// Fills the menu bar with the English captions; the caption table replaces most of
// them once the interface language is known. Entries whose windows the program does
// not have yet are there but disabled.
MainWindowMenus BuildMainWindowMenus(QMenuBar& bar);

// Puts the undo history's Undo and Redo (Ctrl+Z, Ctrl+Shift+Z) into the Edit menu.
void AddUndoActions(MainWindowMenus& menus, QUndoStack& history);
