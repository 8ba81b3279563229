#pragma once

#include "shell/help_archive.h"
#include "shell/help_documents.h"

#include <QMainWindow>

class HelpBrowser;
class QAction;
class QLineEdit;
class QToolBar;

// A window of its own for one help document: a tool bar (Back, Forward, Home, Zoom in,
// Zoom out, Find) over the page, no menu bar. Closing it deletes it.
class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  HelpWindow(HelpArchive archive, const HelpToolBarCaptions& captions, QWidget* parent = nullptr);

  HelpBrowser* browser = nullptr;
  QToolBar* toolBar = nullptr;
  QAction* backAction = nullptr;
  QAction* forwardAction = nullptr;
  QAction* homeAction = nullptr;
  QAction* zoomInAction = nullptr;
  QAction* zoomOutAction = nullptr;
  QAction* findAction = nullptr;
  QLineEdit* findBox = nullptr;

 private:
  QAction* AddButton(const QString& name, const QString& caption, const QIcon& icon);
  void FindNext();
};
