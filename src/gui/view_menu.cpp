#include "gui/view_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

ViewMenu BuildViewMenu(QMenuBar& bar, QAction* before) {
  ViewMenu view;
  view.menu = new QMenu(QStringLiteral("View"), &bar);
  view.menu->setObjectName(QStringLiteral("ViewMenus"));
  bar.insertMenu(before, view.menu);

  const struct {
    const char* name;
    const char* caption;
    ViewPreset preset;
    Qt::Key key;
  } presets[] = {
      {"mnuFront", "Front", ViewPreset::Front, Qt::Key_F5},
      {"mnuSignersEye", "Signer's eye", ViewPreset::SignersEye, Qt::Key_F6},
      {"mnuLeftSide", "Left side", ViewPreset::LeftSide, Qt::Key_F7},
      {"mnuRightSide", "Right side", ViewPreset::RightSide, Qt::Key_F8},
      {"mnuAbove", "From above", ViewPreset::Above, Qt::Key_F9},
  };
  for (size_t i = 0; i < view.presets.size(); ++i) {
    QAction* action = view.menu->addAction(QString::fromLatin1(presets[i].caption));
    action->setObjectName(QString::fromLatin1(presets[i].name));
    action->setShortcut(QKeySequence(presets[i].key));
    view.presets[i] = {action, presets[i].preset};
  }
  view.menu->addSeparator();
  view.leftHanded = view.menu->addAction(QStringLiteral("Left-handed"));
  view.leftHanded->setObjectName(QStringLiteral("mnuLeftHanded"));
  view.leftHanded->setCheckable(true);
  view.leftHanded->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  view.chart = view.menu->addAction(QStringLiteral("Reference chart"));
  view.chart->setObjectName(QStringLiteral("mnuChart"));
  view.chart->setShortcut(QKeySequence(Qt::Key_F3));
  return view;
}
