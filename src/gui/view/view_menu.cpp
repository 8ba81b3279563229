#include "gui/view/view_menu.h"

#include "shell/caption_table.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

ViewMenu BuildViewMenu(QMenuBar& bar, QAction* before) {
  ViewMenu view;
  view.menu = new QMenu(QStringLiteral("View"), &bar);
  view.menu->setObjectName(QStringLiteral("ViewMenus"));
  bar.insertMenu(before, view.menu);

  // Home alone moves the cursor of the text box that nearly always has the focus, and
  // the text boxes take Ctrl+Home for themselves; Alt+Home is the browsers' home.
  view.home = view.menu->addAction(QStringLiteral("Home"));
  view.home->setObjectName(QStringLiteral("mnuHome"));
  view.home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));

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
  view.lifelikeMotion = view.menu->addAction(QStringLiteral("Lifelike motion"));
  view.lifelikeMotion->setObjectName(QStringLiteral("mnuLifelike"));
  view.lifelikeMotion->setCheckable(true);
  view.chart = view.menu->addAction(QStringLiteral("Reference chart"));
  view.chart->setObjectName(QStringLiteral("mnuChart"));
  view.chart->setShortcut(QKeySequence(Qt::Key_F3));
  return view;
}

void ApplyViewMenuCaptions(const ViewMenu& view, const CaptionTable& captions, InterfaceLanguage language) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  view.menu->setTitle(caption(ViewMenuCaption));
  view.home->setText(caption(HomeCaption));
  // In the order the presets are built.
  constexpr int kPresetRows[] = {FrontViewCaption, SignersEyeCaption, LeftSideCaption, RightSideCaption,
                                 AboveCaption};
  for (size_t i = 0; i < view.presets.size(); ++i) view.presets[i].first->setText(caption(kPresetRows[i]));
  view.leftHanded->setText(caption(LeftHandedCaption));
  view.lifelikeMotion->setText(caption(LifelikeMotionCaption));
  view.chart->setText(caption(ReferenceChartCaption));
}
