#pragma once

#include "hand/hand_appearance.h"
#include "playback/motion_style.h"
#include "playback/view_state.h"
#include "shell/interface_language.h"

#include <QObject>
#include <QPointer>

#include <array>

class AngleTableDocument;
class CaptionTable;
class HandView;
class MessageSink;
class PlaybackBar;
class PlaybackEngine;
class QAbstractButton;
class QCheckBox;
class QRadioButton;
class QWidget;
class ReferenceChartWindow;
class SignClass;
class TimedPlayer;
class UserInputHold;
class WordPlaybackControl;
struct PlaybackMenu;
struct ViewMenu;

// What the view and playback controls of the main window work on, all the window's.
struct ViewControllerContext {
  QWidget& owner;  // the parent of the reference chart window
  HandView& handView;
  std::array<QRadioButton*, 2> viewPointOptions;  // "Viewer", "Signer"
  QAbstractButton& homeButton;
  QCheckBox& naturalHandsBox;
  PlaybackBar& playbackBar;
  const PlaybackMenu& playbackMenu;
  const ViewMenu& viewMenu;
  PlaybackEngine& engine;
  TimedPlayer& player;
  WordPlaybackControl& playbackControl;
  UserInputHold& inputHold;
  const AngleTableDocument& document;
  MessageSink& messages;
  SignClass& signs;  // plays the words in the motion chosen
};

// The picture and how a word plays on it: the view point, Home and the View menu's
// presets, the mirror for left-handed signers, the Natural hands, the reference chart
// of the table as it stands, the Play menu and the keys that act while a word plays.
// It tells the main window what to keep in the settings through its signals.
class ViewController : public QObject {
  Q_OBJECT

 public:
  explicit ViewController(ViewControllerContext context, QObject* parent = nullptr);

  // Every sign as a left-handed signer makes it.
  void SetLeftHanded(bool leftHanded);
  bool LeftHanded() const { return leftHanded_; }
  // How the words move from the next one played on.
  void SetMotion(MotionStyle motion);
  // The appearance asked for at start-up, with the classic hands when the Natural ones
  // cannot be drawn (and the user told why).
  void StartWithAppearance(HandAppearance appearance);
  // The viewer's point after a reset of the view: option 0, at the table's start.
  void ResetView();
  // Turns the view to where it was left, choosing the view point it is nearer to; the
  // start-up angles the settings keep for an unturned view are the table's start.
  void RestoreView(float azimuth, float elevation, float angle);
  // The view as the settings keep it (see ::ViewToKeep).
  ViewState ViewToKeep() const;

  void SetCaptions(const CaptionTable& captions, InterfaceLanguage language);

  // The reference chart of the table, drawn anew when shown and as the table changes.
  ReferenceChartWindow& ChartWindow();
  void ShowChart();
  void RefreshChart();
  // Plays the key frames of sign `slot` on the main hand, unless a word is playing.
  void PlaySign(int slot);
  // The current pose drawn again; a movement in progress goes on.
  void RedrawView();

 signals:
  void leftHandedChanged(bool leftHanded);
  void motionChanged(MotionStyle motion);
  void appearanceChanged(HandAppearance appearance);

 private:
  void ConnectPlayback();
  void ConnectView();
  void ChooseViewPoint(int option);
  void GoHome();
  // Frames the picture on the word last played, in the appearance shown.
  void FrameLastWord();
  void ChooseNaturalHands(bool natural);
  int TableHands() const;
  // The start of another table's hand count, for a view not turned from its own.
  void FollowTableHands();
  void NaturalHandsUnavailable(const QString& message);

  ViewControllerContext ui_;
  QPointer<ReferenceChartWindow> chartWindow_;
  QString chartTitle_;
  bool leftHanded_ = false;
  // The hand count whose start the view was last set to.
  int startHands_ = 0;
};
