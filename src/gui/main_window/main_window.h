#pragma once

#include "gui/dialogs/message_box_sink.h"
#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/main_window_dialogs.h"
#include "gui/main_window/main_window_menus.h"
#include "gui/main_window/system_controller.h"
#include "gui/view/view_controller.h"
#include "convert/sign_class.h"
#include "playback/frame_recorder.h"
#include "playback/playback_engine.h"
#include "playback/timed_player.h"
#include "shell/angle_table_document.h"
#include "shell/caption_table.h"
#include "shell/font_list.h"
#include "shell/interface_translation.h"
#include "shell/program_places.h"
#include "shell/settings.h"
#include "shell/start_flow.h"
#include "signdata/sign_table.h"

#include <QFont>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>

class AboutDialog;
class ExportController;
class FileDialog;
class FontDialog;
class LanguageDialog;
class PictureRecording;
class PoseEditor;
class PracticeController;
class ProgressController;
class ReadingCapture;
class SystemChoiceDialog;
class UserInputHold;
class WordListController;
class WordPlaybackControl;
struct PlaybackMenu;
struct ViewMenu;

// The main window: the drawing area, the input boxes of the current system, the speed,
// the view point and the menus. It starts up, spells what the user types and writes the
// settings file when it closes; controllers do the rest (systems, the view and playback,
// word lists, practice, export), each given only what it needs. It reads the program's
// data and writes the user's files in the folders `places` names.
//
// It owns the settings, the document of the loaded system's angle table, the playback
// engine that animates the hands on the drawing area, and the player that paces a word.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QString appDirectory, QWidget* parent = nullptr);
  explicit MainWindow(ProgramPlaces places, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up, in order: the OpenGL context, the settings file, then the window's
  // set-up, which ends by loading the angle data of the chosen system. False when the
  // program is to end at once (the first-run language question was declined).
  bool StartUp();

  // The systems: choosing one, its input boxes and table, the Numeric box and the A/한
  // button (the window's documented routines PositionInitializeRoutine, JSLSetting, ...).
  SystemController& Systems() { return *systems_; }
  // What choosing an interface language does: every caption in the new language and
  // the system laid out again.
  void ChooseInterfaceLanguage(InterfaceLanguage language);

  // What the window is showing and will keep in the settings file.
  const Settings& CurrentSettings() const { return settings_; }
  InterfaceLanguage Interface() const { return settings_.Interface.value_or(InterfaceLanguage::English); }
  // How JSL words are typed now: as chosen, or as the interface language suggests.
  KanaInput KanaInputInUse() const { return settings_.Kana.value_or(DefaultKanaInput(Interface())); }
  const SignTable& Table() const { return document_.Table(); }
  // The table as the user edits it, with its file, undo history and unsaved state.
  AngleTableDocument& Document() { return document_; }
  const SignClass& Signs() const { return signs_; }
  const PlaybackEngine& Engine() const { return engine_; }
  // True from Start until the word has been spelled, paused or not.
  bool IsSpelling() const { return player_.IsPlaying(); }
  bool IsPaused() const { return player_.IsPaused(); }
  // The picture of the word last shown, and how many it has.
  int CurrentPicture() const { return player_.CurrentPicture(); }
  int PictureCount() const { return player_.PictureCount(); }
  // Words step from the step timer, unless a test gives a source of its own before any
  // word plays.
  void UseStepSource(std::unique_ptr<StepSource> steps) { player_.UseStepSource(std::move(steps)); }
  // While the practice runs the letters being signed stay hidden.
  void SetPracticeRunning(bool running);

  const ProgramPlaces& Places() const { return places_; }
  QString SettingsPath() const { return places_.SettingsFile(); }
  // The English, Japanese and Korean font objects; the interface font is the one of
  // the interface language.
  const std::array<QFont, 3>& FontObjects() const { return fonts_; }
  const QFont& InterfaceFont() const;

  // The windows this one opens, made on first use.
  SystemChoiceDialog& OptionWindow();
  FileDialog& FileWindow();
  LanguageDialog& LanguageWindow();
  FontDialog& FontWindow();
  AboutDialog& AboutWindow();
  PoseEditor& EditWindow();
  // The Bitmap menu, the recording panel and their name windows.
  PictureRecording& Pictures() { return *pictures_; }
  // The picture, the view and the reference chart.
  ViewController& View() { return *view_; }

  // The system's language, which pre-selects the first-run language choice; set before
  // StartUp (tests give any locale).
  void SetSystemLocale(const QLocale& locale) { systemLocale_ = locale; }
  // Where the font window finds the Japanese and Korean fonts; set before the window is
  // first used (tests give fixed lists).
  void SetFontFamilies(FontFamilySource families) { fontFamilies_ = std::move(families); }

 signals:
  // A word has been spelled to its end, or stopped.
  void wordFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeControllers();
  void ConnectControls();
  void ConnectMenus();
  bool FormSetting();
  std::optional<InterfaceLanguage> FirstRunLanguage();
  void CaptionSetting();
  void FingerspellOption();
  void LanguageOption();
  void FontSelection();
  void OpenPoseEditor();
  void EditWordList();
  void Practice();
  // The document's file in the title, with "*" while it holds changes not saved.
  void ShowTableFileInTitle();
  StartTexts CurrentTexts() const;
  void StartWord();
  // The line under the picture: what Start left unspelled, a reading not found.
  void ShowStatus(const QString& text);
  void WordEnded();
  void CloseRecordingPanel();
  void ShutDown();

  MainWindowControls ui_;
  MainWindowMenus menus_;
  const ProgramPlaces places_;
  MessageBoxSink messages_;
  Settings settings_;
  AngleTableDocument document_;
  PlaybackEngine engine_;
  TimedPlayer player_;
  FrameRecorder recorder_;
  SignClass signs_;
  UserInputHold* inputHold_;
  PictureRecording* pictures_;
  ReadingCapture* readingCapture_;
  WordPlaybackControl* playbackControl_;
  std::unique_ptr<PlaybackMenu> playbackMenu_;
  std::unique_ptr<ViewMenu> viewMenu_;
  const CaptionTable captions_;
  // The translation installed for the interface language in use.
  std::unique_ptr<InterfaceTranslation> translation_;
  std::array<QFont, 3> fonts_;
  SystemController* systems_ = nullptr;
  ViewController* view_ = nullptr;
  WordListController* wordLists_ = nullptr;
  PracticeController* practice_ = nullptr;
  ProgressController* progress_ = nullptr;
  ExportController* export_ = nullptr;
  MainWindowDialogs dialogs_;
  QPointer<PoseEditor> poseEditor_;
  QLocale systemLocale_ = QLocale::system();
  FontFamilySource fontFamilies_;
  bool shutDown_ = false;
};
