#include "gui/main_window/main_window_menus.h"

#include "gui/editors/undo_actions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include <tuple>

namespace {

QAction* Entry(QMenu& menu, const char* name, const char* caption, bool enabled = true) {
  QAction* action = menu.addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  return action;
}

QMenu* Menu(QMenuBar& bar, const char* name, const char* caption) {
  QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

MainWindowMenus BuildMainWindowMenus(QMenuBar& bar) {
  MainWindowMenus menus;
  menus.FileMenus = Menu(bar, "FileMenus", "File");
  menus.mnuOpen = Entry(*menus.FileMenus, "mnuOpen", "Open");
  menus.mnuExport = Entry(*menus.FileMenus, "mnuExport", "Export\u2026");
  menus.mnuExit = Entry(*menus.FileMenus, "mnuExit", "Exit");

  menus.EditMenus = Menu(bar, "EditMenus", "Edit");

  menus.ToolMenus = Menu(bar, "ToolMenus", "Tool");
  menus.mnuOption = Entry(*menus.ToolMenus, "mnuOption", "Fingerspell Language");
  menus.mnuEdit = Entry(*menus.ToolMenus, "mnuEdit", "Edit", false);
  menus.mnuBmp = Entry(*menus.ToolMenus, "mnuBmp", "Bitmap");
  menus.mnuList = Entry(*menus.ToolMenus, "mnuList", "Word List Edit");
  menus.mnuQuiz = Entry(*menus.ToolMenus, "mnuQuiz", "Practice");
  menus.mnuProgress = Entry(*menus.ToolMenus, "mnuProgress", "Progress");
  menus.ToolMenus->addSeparator();
  menus.mnuLang = Entry(*menus.ToolMenus, "mnuLang", "Language Option");
  // Whether JSL words are typed in Japanese through the input method or in roman
  // letters, whatever language the windows speak.
  menus.mnuKanaInput = Entry(*menus.ToolMenus, "mnuKanaInput", "Type JSL Words in Japanese");
  menus.mnuKanaInput->setCheckable(true);
  menus.mnuFont = Entry(*menus.ToolMenus, "mnuFont", "Font Selection");

  menus.HelpMenus = Menu(bar, "HelpMenus", "Help");
  menus.HelpSubMenus = menus.HelpMenus->addMenu(QStringLiteral("Help"));
  menus.HelpSubMenus->setObjectName(QStringLiteral("HelpSubMenus"));
  menus.mnuJapaneseHelp = Entry(*menus.HelpSubMenus, "mnuJapaneseHelp", "Japanese");
  menus.mnuEnglishHelp = Entry(*menus.HelpSubMenus, "mnuEnglishHelp", "English");
  menus.mnuKoreanHelp = Entry(*menus.HelpSubMenus, "mnuKoreanHelp", "Korean");
  menus.mnuIndonesianHelp = Entry(*menus.HelpSubMenus, "mnuIndonesianHelp", "Indonesian");
  menus.mnuAbout = Entry(*menus.HelpMenus, "mnuAbout", "About");
  return menus;
}

void AddUndoActions(MainWindowMenus& menus, QUndoStack& history) {
  std::tie(menus.mnuUndo, menus.mnuRedo) = AddUndoActions(*menus.EditMenus, history);
}
