#pragma once

#include "gui/main_window/clickable_label.h"
#include "gui/view/hand_view.h"
#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/main_window_menus.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

// The main window's controls and menus, found by their objectNames as automation
// finds them.
inline MainWindowControls ControlsOf(const QWidget& window) {
  auto find = [&window]<typename Control>(Control*, const char* name) {
    return window.findChild<Control*>(QString::fromLatin1(name));
  };
  MainWindowControls ui;
  ui.handView = find(ui.handView, "picSpace");
  ui.systemLabel = find(ui.systemLabel, "SignLabel");
  ui.wordLabel = find(ui.wordLabel, "Label1");
  ui.wordBox = find(ui.wordBox, "InputArea");
  ui.readingLabel = find(ui.readingLabel, "Label2");
  ui.readingBox = find(ui.readingBox, "FuriganaTxt");
  ui.hangulModeButton = find(ui.hangulModeButton, "MethodBtn");
  ui.numericBox = find(ui.numericBox, "CheckBoxNumeric");
  ui.speedLabel = find(ui.speedLabel, "Label4");
  ui.speedBox = find(ui.speedBox, "Text1");
  ui.percentLabel = find(ui.percentLabel, "Label3");
  ui.startButton = find(ui.startButton, "cmdInput");
  ui.viewPointGroup = find(ui.viewPointGroup, "Frame1");
  ui.viewPointOptions[0] = find(ui.viewPointOptions[0], "Option1_0");
  ui.viewPointOptions[1] = find(ui.viewPointOptions[1], "Option1_1");
  ui.homeButton = find(ui.homeButton, "cmdHome");
  ui.naturalHandsBox = find(ui.naturalHandsBox, "chkNatural");
  ui.recordingPanel = find(ui.recordingPanel, "FrameRec");
  ui.captureButton = find(ui.captureButton, "CmdCapture");
  ui.recordButton = find(ui.recordButton, "CmdRec");
  ui.closeRecordingButton = find(ui.closeRecordingButton, "cmdClose");
  return ui;
}

inline MainWindowMenus MenusOf(const QWidget& window) {
  auto action = [&window](const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
  };
  auto menu = [&window](const char* name) {
    return window.findChild<QMenu*>(QString::fromLatin1(name));
  };
  MainWindowMenus m;
  m.FileMenus = menu("FileMenus");
  m.mnuOpen = action("mnuOpen");
  m.mnuExport = action("mnuExport");
  m.mnuExit = action("mnuExit");
  m.ToolMenus = menu("ToolMenus");
  m.mnuOption = action("mnuOption");
  m.mnuEdit = action("mnuEdit");
  m.mnuBmp = action("mnuBmp");
  m.mnuList = action("mnuList");
  m.mnuQuiz = action("mnuQuiz");
  m.mnuProgress = action("mnuProgress");
  m.mnuLang = action("mnuLang");
  m.mnuKanaInput = action("mnuKanaInput");
  m.mnuFont = action("mnuFont");
  m.HelpMenus = menu("HelpMenus");
  m.HelpSubMenus = menu("HelpSubMenus");
  m.mnuJapaneseHelp = action("mnuJapaneseHelp");
  m.mnuEnglishHelp = action("mnuEnglishHelp");
  m.mnuKoreanHelp = action("mnuKoreanHelp");
  m.mnuIndonesianHelp = action("mnuIndonesianHelp");
  m.mnuAbout = action("mnuAbout");
  return m;
}
