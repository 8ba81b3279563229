#include "gui/editors/undo_actions.h"

#include "shell/interface_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QUndoStack>

namespace {

// The captions QUndoStack's own actions show ("Undo", "Undo Add Frame"), but made
// anew whenever they are needed, so they follow the interface language.
QString UndoCaption(const QString& edit) {
  return edit.isEmpty() ? QCoreApplication::translate("UndoActions", "Undo")
                        : QCoreApplication::translate("UndoActions", "Undo %1").arg(InInterfaceLanguage(edit));
}

QString RedoCaption(const QString& edit) {
  return edit.isEmpty() ? QCoreApplication::translate("UndoActions", "Redo")
                        : QCoreApplication::translate("UndoActions", "Redo %1").arg(InInterfaceLanguage(edit));
}

// Re-captions both actions when the menu they sit in is told the language changed.
class UndoCaptions : public QObject {
 public:
  UndoCaptions(QMenu& menu, QUndoStack& history, QAction& undo, QAction& redo)
      : QObject(&menu), history_(&history), undo_(undo), redo_(redo) {
    menu.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange && history_) {
      undo_.setText(UndoCaption(history_->undoText()));
      redo_.setText(RedoCaption(history_->redoText()));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QUndoStack> history_;
  QAction& undo_;
  QAction& redo_;
};

QAction* FollowingAction(QMenu& menu, const char* name, const QKeySequence& shortcut) {
  auto* action = new QAction(&menu);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  menu.addAction(action);
  return action;
}

}  // namespace

std::pair<QAction*, QAction*> AddUndoActions(QMenu& menu, QUndoStack& history) {
  QAction* undo = FollowingAction(menu, "mnuUndo", QKeySequence::Undo);
  undo->setText(UndoCaption(history.undoText()));
  undo->setEnabled(history.canUndo());
  QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
  QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  QObject::connect(&history, &QUndoStack::undoTextChanged, undo,
                   [undo](const QString& edit) { undo->setText(UndoCaption(edit)); });

  QAction* redo = FollowingAction(menu, "mnuRedo", QKeySequence::Redo);
  redo->setText(RedoCaption(history.redoText()));
  redo->setEnabled(history.canRedo());
  QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
  QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  QObject::connect(&history, &QUndoStack::redoTextChanged, redo,
                   [redo](const QString& edit) { redo->setText(RedoCaption(edit)); });

  new UndoCaptions(menu, history, *undo, *redo);
  return {undo, redo};
}
