#pragma once

#include "shell/interface_language.h"

#include "playback/view_controls.h"

#include <array>
#include <cstdint>
#include <utility>

class CaptionTable;
class QAction;
class QMenu;
class QMenuBar;

// The "View" menu: Home, the view presets, the mirror, the motion and the reference
// chart.
struct ViewMenu {
  QMenu* menu = nullptr;
  QAction* home = nullptr;  // as the "Home" button, from whichever control has the focus
  std::array<std::pair<QAction*, ViewPreset>, 5> presets{};
  QAction* leftHanded = nullptr;  // checkable
  QAction* lifelikeMotion = nullptr;  // checkable; unchecked is the described motion
  QAction* chart = nullptr;
};

// Adds the menu to `bar` before `before` (the Help menu's action).
ViewMenu BuildViewMenu(QMenuBar& bar, QAction* before);

// Captions the menu in the interface language.
void ApplyViewMenuCaptions(const ViewMenu& view, const CaptionTable& captions, InterfaceLanguage language);
