#pragma once

#include <QIcon>

#include <array>

class ClickableLabel;
class HandView;
class PlaybackBar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// The controls of the main window. Each widget's objectName is its documented name
// ("picSpace", "Text1", ...), by which tests and automation find it.
struct MainWindowControls {
  HandView* handView = nullptr;
  // Under the picture: the letters being signed, Replay and the place in the word.
  PlaybackBar* playbackBar = nullptr;

  ClickableLabel* systemLabel = nullptr;  // the current system; a click chooses another
  QLabel* wordLabel = nullptr;  // caption of the word box
  QLineEdit* wordBox = nullptr;  // romaji, romanized Korean, or the Japanese word
  QLabel* readingLabel = nullptr;  // caption of the reading box
  QLineEdit* readingBox = nullptr;  // the text spelled, or the live conversion
  QToolButton* hangulModeButton = nullptr;  // Korean typed in roman letters or in Hangul
  QCheckBox* numericBox = nullptr;
  QLabel* speedLabel = nullptr;  // "Speed"
  QLineEdit* speedBox = nullptr;  // the speed in percent
  QLabel* percentLabel = nullptr;  // "%"
  QPushButton* startButton = nullptr;  // "Start"

  QGroupBox* viewPointGroup = nullptr;  // "View Point"
  std::array<QRadioButton*, 2> viewPointOptions{};  // "Viewer", "Signer"
  QPushButton* homeButton = nullptr;
  QCheckBox* naturalHandsBox = nullptr;  // "Natural hands"

  // The recording panel, shown while bitmaps are recorded.
  QGroupBox* recordingPanel = nullptr;
  QPushButton* captureButton = nullptr;
  QPushButton* recordButton = nullptr;
  QPushButton* closeRecordingButton = nullptr;

  // The two pictures the Hangul mode button shows.
  QIcon latinPicture;
  QIcon hangulPicture;
};

// Makes the controls on `central` and lays them out: the drawing area takes the room
// the window gives, the input and view controls stand in a column beside it.
MainWindowControls BuildMainWindowControls(QWidget& central);
