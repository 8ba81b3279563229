#include "gui/help/help_window.h"

#include "gui/help/help_browser.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

HelpWindow::HelpWindow(HelpArchive archive, const HelpToolBarCaptions& captions, QWidget* parent)
    : QMainWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(archive.title.isEmpty() ? tr("Tovaro Help") : archive.title);

  toolBar = addToolBar(captions.back);
  toolBar->setObjectName(QStringLiteral("HelpToolBar"));
  toolBar->setMovable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  backAction = AddButton(QStringLiteral("cmdBack"), captions.back, style()->standardIcon(QStyle::SP_ArrowBack));
  forwardAction = AddButton(QStringLiteral("cmdForward"), captions.forward,
                            style()->standardIcon(QStyle::SP_ArrowForward));
  homeAction = AddButton(QStringLiteral("cmdHome"), captions.home, style()->standardIcon(QStyle::SP_DirHomeIcon));
  toolBar->addSeparator();
  zoomInAction = AddButton(QStringLiteral("cmdZoomIn"), captions.zoomIn, {});
  zoomOutAction = AddButton(QStringLiteral("cmdZoomOut"), captions.zoomOut, {});
  toolBar->addSeparator();
  findAction = AddButton(QStringLiteral("cmdFind"), captions.find,
                         style()->standardIcon(QStyle::SP_FileDialogContentsView));
  findBox = new QLineEdit(toolBar);
  findBox->setObjectName(QStringLiteral("FindBox"));
  findBox->setAccessibleName(captions.findBox);
  findBox->setPlaceholderText(captions.findBox);
  findBox->setClearButtonEnabled(true);
  findBox->setMaximumWidth(240);
  toolBar->addWidget(findBox);

  browser = new HelpBrowser(std::move(archive), this);
  setCentralWidget(browser);

  backAction->setEnabled(false);
  forwardAction->setEnabled(false);
  backAction->setShortcut(QKeySequence::Back);
  forwardAction->setShortcut(QKeySequence::Forward);
  zoomInAction->setShortcut(QKeySequence::ZoomIn);
  zoomOutAction->setShortcut(QKeySequence::ZoomOut);
  findAction->setShortcut(QKeySequence::Find);
  connect(backAction, &QAction::triggered, browser, &QTextBrowser::backward);
  connect(forwardAction, &QAction::triggered, browser, &QTextBrowser::forward);
  connect(homeAction, &QAction::triggered, browser, &QTextBrowser::home);
  connect(browser, &QTextBrowser::backwardAvailable, backAction, &QAction::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forwardAction, &QAction::setEnabled);
  connect(zoomInAction, &QAction::triggered, browser, [this] { browser->zoomIn(2); });
  connect(zoomOutAction, &QAction::triggered, browser, [this] { browser->zoomOut(2); });
  connect(findAction, &QAction::triggered, this, [this] {
    findBox->setFocus(Qt::ShortcutFocusReason);
    findBox->selectAll();
    if (!findBox->text().isEmpty()) FindNext();
  });
  connect(findBox, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);

  resize(960, 760);
}

QAction* HelpWindow::AddButton(const QString& name, const QString& caption, const QIcon& icon) {
  QAction* action = toolBar->addAction(icon, caption);
  action->setObjectName(name);
  if (QWidget* button = toolBar->widgetForAction(action)) {
    button->setObjectName(name);
    button->setAccessibleName(caption);
  }
  return action;
}

// Finds the next occurrence after the cursor, wrapping round to the top once.
void HelpWindow::FindNext() {
  const QString text = findBox->text();
  if (text.isEmpty()) return;
  if (browser->find(text)) return;
  QTextCursor top = browser->textCursor();
  top.movePosition(QTextCursor::Start);
  browser->setTextCursor(top);
  browser->find(text);
}
