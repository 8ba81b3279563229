#pragma once

#include <QString>

#include <cstdint>

class HelpWindow;
class MessageSink;
class QWidget;

// Opens help document `index` (0 English, 1 Japanese, 2 Korean, 3 Indonesian) from
// `programFolder` in a new window owned by `owner`, with the busy pointer shown while
// it loads. Every call opens another window. A missing or unreadable document is told
// to `messages` and opens nothing; the result is then null.
HelpWindow* OpenHelpDocument(const QString& programFolder, int16_t index, MessageSink& messages,
                             QWidget* owner);
