#pragma once

#include <QIcon>

#include <array>

struct AppState;
class ClickableLabel;
class HandView;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// The controls of the main window, named as the rest of the program knows them.
struct frmSpaceControls {
  HandView* picSpace = nullptr;

  ClickableLabel* SignLabel = nullptr;  // the current system; a click chooses another
  QLabel* Label1 = nullptr;             // caption of InputArea
  QLineEdit* InputArea = nullptr;       // romaji, romanized Korean, or the Japanese word
  QLabel* Label2 = nullptr;             // caption of FuriganaTxt
  QLineEdit* FuriganaTxt = nullptr;     // the text spelled, or the live conversion
  QToolButton* MethodBtn = nullptr;     // Korean typed in roman letters or in Hangul
  QCheckBox* CheckBoxNumeric = nullptr;
  QLabel* Label4 = nullptr;             // "Speed"
  QLineEdit* Text1 = nullptr;           // the speed in percent
  QLabel* Label3 = nullptr;             // "%"
  QPushButton* cmdInput = nullptr;      // "Start"

  QGroupBox* Frame1 = nullptr;          // "View Point"
  std::array<QRadioButton*, 2> Option1{};  // "Viewer", "Signer"
  QPushButton* cmdHome = nullptr;
  QCheckBox* chkNatural = nullptr;  // "Natural hands"

  // The recording panel, shown while bitmaps are recorded.
  QGroupBox* FrameRec = nullptr;
  QPushButton* CmdCapture = nullptr;
  QPushButton* CmdRec = nullptr;
  QPushButton* cmdClose = nullptr;

  // The two pictures MethodBtn shows.
  QIcon PicA;
  QIcon PicHan;
};

// Makes the controls on `central` and lays them out: the drawing area takes the room
// the window gives, the input and view controls stand in a column beside it.
frmSpaceControls BuildMainWindowControls(QWidget& central, AppState& state);
