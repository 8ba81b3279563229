#pragma once

#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/main_window_menus.h"
#include "gui/dialogs/message_box_sink.h"
#include "convert/sign_class.h"
#include "playback/frame_recorder.h"
#include "playback/playback_engine.h"
#include "playback/timed_player.h"
#include "shell/angle_table_document.h"
#include "shell/caption_table.h"
#include "shell/font_list.h"
#include "shell/program_places.h"
#include "shell/settings.h"
#include "shell/start_flow.h"
#include "shell/system_setup.h"
#include "signdata/sign_table.h"

#include <QFont>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <cstdint>
#include <utility>

struct InputLayout;
class AboutDialog;
class FileDialog;
class FontDialog;
class LanguageDialog;
class PoseEditor;
class PictureRecording;
class PracticeRunner;
class PracticeWindow;
class ReadingListEditor;
class ReadingCapture;
class SystemChoiceDialog;
class UserInputHold;
class WordListEditor;
class WordPlaybackControl;
struct PlaybackMenu;
struct ViewMenu;
class ReferenceChartWindow;

// The main window: the drawing area, the input boxes of the current system, the speed,
// the view point and the menus. It spells what the user types, switches systems and
// writes the settings file when it closes. It reads the program's data and writes the
// user's files in the folders `places` names; given one folder, everything is there.
//
// It owns the sign table of the loaded system, the playback engine that animates the
// hands on the drawing area, and the player that paces a word from a timer.
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

  // Switches HangulMode and the picture of the Hangul mode button.
  void HangulInputMethod();
  // Lays the input boxes out for a system and loads its angle data file; when
  // that fails the user is told why and may choose a file. False when no table was
  // loaded.
  bool PositionInitializeRoutine(SystemId system);
  void NumericON();
  void JSLSetting();
  void KSLSetting();
  // Puts the keyboard focus into the box the current system is typed in.
  void FocusWordBox();
  // What choosing a system in the system choice does: the boxes emptied, the
  // system laid out and loaded, the rest pose shown.
  void ChooseSystem(SystemId system);
  // What choosing an interface language does: every caption in
  // the new language and the system laid out again.
  void ChooseInterfaceLanguage(InterfaceLanguage language);

  // What the window is showing and will keep in the settings file.
  const Settings& CurrentSettings() const { return settings_; }
  // Korean typed in Hangul (True) or in roman letters (False).
  bool HangulMode() const { return hangulMode_; }
  // True while the numerals are spelled through the Numeric box.
  bool NumericMode() const { return numericMode_; }
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
  QString SettingsPath() const;
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
  WordListEditor& WordListWindow();
  ReadingListEditor& ReadingListWindow();

  // The Word List Edit menu: reads the list of the current system and shows its editor.
  void EditWordList();
  // The Practice menu: spells words of the current system's list (or numbers) until
  // the user ends.
  void Practice();
  PracticeWindow& PracticeWindowOf();
  // The reference chart of the current system, drawn anew when shown.
  ReferenceChartWindow& ChartWindow();
  void ShowChart();
  // Every sign as a left-handed signer makes it; kept in the settings.
  void SetLeftHanded(bool leftHanded);
  // Plays the key frames of sign `slot` on the main hand, unless a word is playing.
  void PlaySign(int slot);

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
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  void ConnectMenus();
  void ConnectPlayback();
  void ConnectViewMenu();
  void RefreshChart();
  bool FormSetting();
  std::optional<InterfaceLanguage> FirstRunLanguage();
  // The interface language in force; English only before the first start has asked.
  InterfaceLanguage Interface() const { return settings_.Interface.value_or(InterfaceLanguage::English); }
  void CaptionSetting();
  void AlphabetSetting();
  void ApplyLayout(const InputLayout& layout);
  InputModes CurrentInputModes() const;
  void FingerspellOption();
  void LanguageOption();
  void FontSelection();
  void ShowAbout();
  // Opens help document 0..3 (English, Japanese, Korean, Indonesian) in a new window.
  void ShowHelp(int16_t index);
  void OpenPoseEditor();
  void SpellListWord(const QString& word);
  void PlaceBesideHand(QWidget& window) const;
  // True when a table was loaded from the chosen file.
  bool OpenAngleFile();
  // The input boxes and label of a system, without loading its table.
  SystemSetup LayOutSystem(SystemId system);
  // The document's file in the title, with "*" while it holds changes not saved.
  void ShowTableFileInTitle();
  // Before the table is replaced or the program ends: Save, Discard or Cancel for
  // changes not saved. True when the caller may go on.
  bool SettleUnsavedTable();
  // Lays out and loads system `system`; a table with changes not saved is kept unless
  // `replaceEdits` (the user has settled them).
  bool LoadSystem(SystemId system, bool replaceEdits);
  void StartWord();
  // The line under the picture: what Start left unspelled, a reading not found.
  void ShowStatus(const QString& text);
  void WordEnded();
  void ConvertTypedWord();
  void NumericClicked(bool checked);
  void MethodClicked();
  void ChooseViewPoint(int option);
  void GoHome();
  void ChooseNaturalHands(bool natural);
  void NaturalHandsUnavailable(const QString& message);
  void RedrawView();
  void CloseRecordingPanel();
  void ExportWord();
  void ShutDown();

  MainWindowControls ui_;
  MainWindowMenus menus_;
  const ProgramPlaces places_;
  MessageBoxSink messages_;
  Settings settings_;
  bool hangulMode_ = false;
  bool numericMode_ = false;
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
  QPointer<ReferenceChartWindow> chartWindow_;
  const CaptionTable captions_;
  std::array<QFont, 3> fonts_;
  QPointer<SystemChoiceDialog> optionWindow_;
  QPointer<FileDialog> fileDialog_;
  QPointer<LanguageDialog> languageWindow_;
  QPointer<FontDialog> fontWindow_;
  QPointer<AboutDialog> aboutWindow_;
  QPointer<PoseEditor> poseEditor_;
  QPointer<WordListEditor> wordListEditor_;
  QPointer<ReadingListEditor> readingListEditor_;
  QPointer<PracticeWindow> practiceWindow_;
  QPointer<PracticeRunner> practiceRunner_;
  QLocale systemLocale_ = QLocale::system();
  FontFamilySource fontFamilies_;
  bool shutDown_ = false;
};
