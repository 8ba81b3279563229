#pragma once

#include <utility>

class QAction;
class QMenu;
class QUndoStack;

// Undo and Redo of `history` added to `menu` (Ctrl+Z, Ctrl+Shift+Z; objectNames
// "mnuUndo" and "mnuRedo"); their captions name the edit they undo or redo.
std::pair<QAction*, QAction*> AddUndoActions(QMenu& menu, QUndoStack& history);
