#pragma once

#include "shell/interface_language.h"

#include <array>
#include <cstdint>

class CaptionTable;
class QAction;
class QMenu;
class QMenuBar;

// The "Play" menu: what a learner reaches for while watching a word. The keys that act
// while a word plays (Space, Esc, the arrows) are named in the entries; they are read
// while the word plays, when the rest of the input waits.
struct PlaybackMenu {
  QMenu* menu = nullptr;
  QAction* replay = nullptr;
  QAction* pause = nullptr;
  QAction* stop = nullptr;
  QAction* stepBack = nullptr;
  QAction* stepForward = nullptr;
  // 25 %, 50 %, 100 % of the speed, for the next word played.
  QMenu* slowMotionMenu = nullptr;
  std::array<QAction*, 3> slowMotion{};
  static constexpr std::array<int, 3> kSlowMotionPercents{25, 50, 100};
};

// Adds the menu to `bar` before `before` (the Help menu's action).
PlaybackMenu BuildPlaybackMenu(QMenuBar& bar, QAction* before);

// Captions the menu in the interface language; the keys stay beside the entries.
void ApplyPlaybackMenuCaptions(const PlaybackMenu& play, const CaptionTable& captions, InterfaceLanguage language);
