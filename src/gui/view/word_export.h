#pragma once

#include "gl/animation_export.h"

class MessageSink;
class QWidget;
struct SignTable;

// Writes a word's script as an animation while a progress window with Cancel shows how
// far it is. A cancelled export leaves nothing behind and says nothing; a failed one
// says "The animation could not be exported: <reason>". Returns what became of it.
AnimationExportResult ExportWithProgress(QWidget* parent, const SignTable& table,
                                         const MoveScript& script,
                                         const AnimationExportSettings& settings,
                                         MessageSink& messages);
