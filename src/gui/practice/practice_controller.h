#pragma once

#include "convert/system_id.h"
#include "gui/practice/practice_runner.h"
#include "shell/interface_language.h"
#include "shell/kana_input.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <cstdint>

class CaptionTable;
class MessageSink;
class PracticeWindow;
class QWidget;
class SignClass;
struct ProgramPlaces;

// What the practice works with, all the main window's.
struct PracticeControllerContext {
  QWidget& owner;  // the practice window's parent, which it stands beside
  PracticeRunner::Boxes boxes;
  SignClass& signs;
  MessageSink& messages;
  const ProgramPlaces& places;
  const CaptionTable& captions;
};

// The choices of the practice window that the settings file keeps.
struct PracticeOptions {
  bool typedAnswer = false;
  bool adaptSpeed = false;
  int16_t shortest = 0;
  int16_t longest = 0;
};

// What a practice is of: the system, numerals or its list, in which interface.
struct PracticeStart {
  SystemId system = SystemId::American;
  bool numeric = false;
  InterfaceLanguage interface = InterfaceLanguage::English;
  KanaInput kanaInput = KanaInput::Romaji;
  QFont interfaceFont;
  PracticeOptions options;
};

// Tool → Practice: spells words of the current system's list (or random numbers) until
// the user ends, and adds each session with typed answers to the practice history.
class PracticeController : public QObject {
  Q_OBJECT

 public:
  explicit PracticeController(PracticeControllerContext context, QObject* parent = nullptr);

  void Practice(const PracticeStart& start);
  PracticeWindow& Window();

 signals:
  // A practice ended with these choices in its window.
  void optionsChosen(const PracticeOptions& options);

 private:
  PracticeControllerContext context_;
  QPointer<PracticeWindow> window_;
  QPointer<PracticeRunner> runner_;
};
