#pragma once

#include "app/counting_message_sink.h"
#include "app/main_window_controls.h"
#include "app/main_window_menus.h"
#include "app/message_box_sink.h"
#include "app/caption_table.h"
#include "app/font_list.h"
#include "render/playback_engine.h"

#include <QFont>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

struct AppState;
struct InputLayout;
class frmAbout;
class frmFont;
class FrmLang;
class frmOption;
class Obtain_FilePath2;
class SignClass;

// The main window: the drawing area, the input boxes of the current system, the speed,
// the view point and the menus. It spells what the user types, switches systems and
// writes the settings file when it closes. The files it reads and writes (settings,
// angle data) are named relative to `appDirectory`, the program's own folder.
class frmSpace : public QMainWindow {
  Q_OBJECT

 public:
  frmSpace(AppState& state, QString appDirectory, QWidget* parent = nullptr);
  ~frmSpace() override;

  // Start-up, in order: the OpenGL context, the settings file, then the window's
  // set-up, which ends by loading the angle data of the chosen system. False when the
  // program is to end at once (the first-run language question was declined).
  bool StartUp();

  // Korean typed in Hangul (True) or in roman letters (False).
  bool HangulMode() const;
  // Switches HangulMode and the picture of MethodBtn.
  void HangulInputMethod();
  // Lays the input boxes out for a system (0..6) and loads its angle data file; when
  // that fails the user is told why and may choose a file.
  void PositionInitializeRoutine(int16_t system);
  void NumericON();
  void JSLSetting();
  void KSLSetting();
  // Puts the keyboard focus into the box the current system is typed in.
  void FocusWordBox();

  frmSpaceControls ui;
  frmSpaceMenus menus;

  AppState& State() { return state_; }
  PlaybackEngine& Engine() { return engine_; }
  SignClass& Signs() { return *signs_; }
  const QString& ApplicationDirectory() const { return appDirectory_; }
  QString SettingsPath() const;
  // The English, Japanese and Korean font objects; the interface font is the one of
  // the interface language.
  const std::array<QFont, 3>& FontObjects() const { return fonts_; }
  const QFont& InterfaceFont() const;
  // The windows this one opens, made on first use.
  frmOption& OptionWindow();
  Obtain_FilePath2& FileDialog();
  FrmLang& LanguageWindow();
  frmFont& FontWindow();
  frmAbout& AboutWindow();

  // The system's language, which pre-selects the first-run language choice; set before
  // StartUp (tests give any locale).
  void SetSystemLocale(const QLocale& locale) { systemLocale_ = locale; }
  // Where the font window finds the Japanese and Korean fonts; set before the window is
  // first used (tests give fixed lists).
  void SetFontFamilies(FontFamilySource families) { fontFamilies_ = std::move(families); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  void ConnectMenus();
  bool FormSetting();
  int16_t FirstRunLanguage();
  void CaptionSetting();
  void AlphabetSetting();
  void ApplyLayout(const InputLayout& layout);
  void FingerspellOption();
  void LanguageOption();
  void FontSelection();
  void ShowAbout();
  void OpenAngleFile();
  void StartWord();
  void ConvertTypedWord();
  void NumericClicked(bool checked);
  void MethodClicked();
  void ChooseViewPoint(int option);
  void GoHome();
  void ChooseNaturalHands(bool natural);
  void NaturalHandsUnavailable(const QString& message);
  void RedrawView();
  void CloseRecordingPanel();
  void ClosePendingWindow();
  void ShutDown();

  AppState& state_;
  const QString appDirectory_;
  MessageBoxSink boxes_;
  CountingMessageSink messages_;
  PlaybackEngine engine_;
  std::unique_ptr<SignClass> signs_;
  const CaptionTable captions_;
  std::array<QFont, 3> fonts_;
  QPointer<frmOption> optionWindow_;
  QPointer<Obtain_FilePath2> fileDialog_;
  QPointer<FrmLang> languageWindow_;
  QPointer<frmFont> fontWindow_;
  QPointer<frmAbout> aboutWindow_;
  QLocale systemLocale_ = QLocale::system();
  FontFamilySource fontFamilies_;
  bool spelling_ = false;
  bool closePending_ = false;
  bool shutDown_ = false;
};
