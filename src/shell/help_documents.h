#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The four help documents, by the index the Help submenu passes: 0 English,
// 1 Japanese, 2 Korean, 3 Indonesian.
inline constexpr int16_t kHelpDocumentCount = 4;

// "Help.mht", "HelpJpn.mht", "HelpKor.mht" or "HelpIna.mht"; empty outside 0..3.
QString HelpDocumentFileName(int16_t index);

// The captions of the help window's tool bar, in the document's own language so that
// a reader of the Korean help finds Korean buttons.
struct HelpToolBarCaptions {
  QString back;
  QString forward;
  QString home;
  QString zoomIn;
  QString zoomOut;
  QString find;
  QString findBox;
};

// English for any index outside 0..3.
HelpToolBarCaptions HelpToolBarCaptionsFor(int16_t index);

// The messages of a help document that cannot be opened.
QString HelpFileNotFoundMessage(const QString& path);
QString HelpFileUnreadableMessage(const QString& path);
