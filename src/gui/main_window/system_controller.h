#pragma once

#include "convert/system_id.h"
#include "shell/interface_language.h"
#include "shell/kana_input.h"
#include "shell/start_flow.h"
#include "shell/system_setup.h"

#include <QFont>
#include <QObject>

#include <array>
#include <functional>

class AngleTableDocument;
class CaptionTable;
class FileDialog;
class MessageSink;
class PlaybackEngine;
class QWidget;
class ReadingCapture;
class SignClass;
struct InputLayout;
struct MainWindowControls;
struct ProgramPlaces;

// What choosing and laying out a system works with, all the main window's; the system
// in use, the interface language and the fonts are read from it when needed.
struct SystemControllerContext {
  QWidget& owner;  // the parent of the questions it asks
  const MainWindowControls& ui;  // the input boxes, the system's label, the A/한 and Numeric buttons
  const CaptionTable& captions;
  const ProgramPlaces& places;
  AngleTableDocument& document;
  SignClass& signs;
  PlaybackEngine& engine;  // shows the rest pose of a table chosen
  ReadingCapture& readingCapture;
  MessageSink& messages;
  std::function<FileDialog&()> fileDialog;
  std::function<SystemId()> system;
  std::function<InterfaceLanguage()> interface;
  std::function<KanaInput()> kanaInput;  // how words of the kana system are typed
  std::function<const std::array<QFont, 3>&()> fonts;  // English, Japanese, Korean
};

// The fingerspelling systems in the main window: choosing one, laying out its input
// boxes, reading its angle data file into the document (asking first about changes not
// saved), the Numeric box and the A/한 button, and the live conversion of typed text.
class SystemController : public QObject {
  Q_OBJECT

 public:
  explicit SystemController(SystemControllerContext context, QObject* parent = nullptr);

  // What choosing a system in the system choice does: the boxes emptied, the system
  // laid out and loaded, the rest pose shown. Another system's table replaces the one
  // being edited only once its changes are settled; Cancel leaves everything as it was.
  void ChooseSystem(SystemId system);
  // Lays the input boxes out for a system and loads its angle data file; when that
  // fails the user is told why and may choose a file. False when no table was loaded.
  // The table being edited stays while it holds changes not saved.
  bool PositionInitializeRoutine(SystemId system);
  // File → Open: an angle data file read into the table in its layout. True when read.
  bool OpenAngleFile();
  // Save, Discard or Cancel for changes not saved; true when the caller may go on.
  bool SettleUnsavedTable();

  // Switches HangulMode and the picture of the A/한 button.
  void HangulInputMethod();
  // The A/한 button clicked (here or in the word-list editor).
  void MethodClicked();
  void NumericON();
  void JSLSetting();
  void KSLSetting();
  void NumericClicked(bool checked);
  // The word box converted as it is typed (romaji and romanized Korean).
  void ConvertTypedWord();
  // The reading box typed into where romanized input is read: the word box emptied.
  void ReadingBoxEdited();
  // Puts the keyboard focus into the box the current system is typed in.
  void FocusWordBox();
  // Hangul input off and the A/한 button showing "A", as every set-up starts.
  void ResetHangulMode();

  // Korean typed in Hangul (True) or in roman letters (False).
  bool HangulMode() const { return hangulMode_; }
  // True while the numerals are spelled through the Numeric box.
  bool NumericMode() const { return numericMode_; }
  InputModes CurrentInputModes() const;

 signals:
  // The system in use is now `system` (the settings keep it).
  void systemChosen(SystemId system);
  void hangulModeChanged(bool hangul);

 private:
  bool LoadSystem(SystemId system, bool replaceEdits);
  SystemSetup LayOutSystem(SystemId system);
  void ApplyLayout(const InputLayout& layout);
  void AlphabetSetting();

  SystemControllerContext context_;
  const MainWindowControls& ui_;
  bool hangulMode_ = false;
  bool numericMode_ = false;
};
