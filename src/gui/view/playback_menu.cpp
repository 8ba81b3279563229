#include "gui/view/playback_menu.h"

#include "shell/caption_table.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// `keys` are shown beside the caption; the window reads them itself while a word plays.
QAction* Entry(QMenu& menu, const char* name, const QString& caption, const QString& keys = {}) {
  QAction* action = menu.addAction(keys.isEmpty() ? caption : caption + u'\t' + keys);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// A new caption for an entry, keeping the keys written after its tab.
void Recaption(QAction& action, const QString& caption) {
  const QString text = action.text();
  const qsizetype tab = text.indexOf(u'\t');
  action.setText(tab < 0 ? caption : caption + text.mid(tab));
}

}  // namespace

PlaybackMenu BuildPlaybackMenu(QMenuBar& bar, QAction* before) {
  PlaybackMenu play;
  play.menu = new QMenu(QStringLiteral("Play"), &bar);
  play.menu->setObjectName(QStringLiteral("PlayMenus"));
  bar.insertMenu(before, play.menu);

  play.replay = Entry(*play.menu, "mnuReplay", QStringLiteral("Replay"));
  play.replay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  play.pause = Entry(*play.menu, "mnuPause", QStringLiteral("Pause or resume"), QStringLiteral("Space"));
  play.stop = Entry(*play.menu, "mnuStop", QStringLiteral("Stop"), QStringLiteral("Esc"));
  play.stepBack = Entry(*play.menu, "mnuStepBack", QStringLiteral("One sign back"), QStringLiteral("Left"));
  play.stepForward = Entry(*play.menu, "mnuStepForward", QStringLiteral("One sign forward"), QStringLiteral("Right"));

  QMenu* slow = play.menu->addMenu(QStringLiteral("Slow motion"));
  slow->setObjectName(QStringLiteral("SlowMotionMenus"));
  play.slowMotionMenu = slow;
  auto* group = new QActionGroup(slow);
  for (size_t i = 0; i < play.slowMotion.size(); ++i) {
    const int percent = PlaybackMenu::kSlowMotionPercents[i];
    QAction* action = slow->addAction(QStringLiteral("%1 %").arg(percent));
    action->setObjectName(QStringLiteral("mnuSlow%1").arg(percent));
    action->setCheckable(true);
    action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(i))));
    group->addAction(action);
    play.slowMotion[i] = action;
  }
  play.slowMotion.back()->setChecked(true);
  return play;
}

void ApplyPlaybackMenuCaptions(const PlaybackMenu& play, const CaptionTable& captions, InterfaceLanguage language) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  play.menu->setTitle(caption(PlayMenuCaption));
  Recaption(*play.replay, caption(ReplayCaption));
  Recaption(*play.pause, caption(PauseCaption));
  Recaption(*play.stop, caption(StopCaption));
  Recaption(*play.stepBack, caption(StepBackCaption));
  Recaption(*play.stepForward, caption(StepForwardCaption));
  play.slowMotionMenu->setTitle(caption(SlowMotionCaption));
}
