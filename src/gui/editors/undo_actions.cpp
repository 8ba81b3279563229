#include "gui/editors/undo_actions.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

std::pair<QAction*, QAction*> AddUndoActions(QMenu& menu, QUndoStack& history) {
  QAction* undo = history.createUndoAction(&menu);
  undo->setObjectName(QStringLiteral("mnuUndo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = history.createRedoAction(&menu);
  redo->setObjectName(QStringLiteral("mnuRedo"));
  redo->setShortcut(QKeySequence::Redo);
  menu.addAction(undo);
  menu.addAction(redo);
  return {undo, redo};
}
