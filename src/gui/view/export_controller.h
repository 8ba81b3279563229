#pragma once

#include "shell/start_flow.h"

#include <QObject>

#include <functional>

class AngleTableDocument;
class FileDialog;
class HandView;
class MessageSink;
class QWidget;
class SignClass;
class TimedPlayer;

// What File → Export works with, all the main window's.
struct ExportControllerContext {
  QWidget& owner;  // the progress window's parent
  const TimedPlayer& player;
  const AngleTableDocument& document;
  const SignClass& signs;  // the system and numeral base in use
  const HandView& handView;  // the size, view and appearance of the animation
  MessageSink& messages;
  std::function<FileDialog&()> fileDialog;
  QString picturesFolder;  // where the animation is first offered to go
};

// File → Export: the word Start would spell, written as an animated GIF or an MP4 video
// of the drawing area's size and view, on a thread of its own while a progress window
// shows how far it is. The word on screen is not disturbed: the word is spelled through
// a sign front end of its own. The word is offered as the file's name, in the pictures
// folder; the file window goes back to its own folder afterwards.
class ExportController : public QObject {
  Q_OBJECT

 public:
  explicit ExportController(ExportControllerContext context, QObject* parent = nullptr);

  // Nothing while a word plays; otherwise asks where to write and starts the export,
  // whose end comes from the export itself.
  void ExportWord(const InputModes& modes, const StartTexts& texts);

 private:
  ExportControllerContext context_;
};
