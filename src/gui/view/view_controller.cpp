#include "gui/view/view_controller.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "gui/dialogs/window_placement.h"
#include "gui/view/hand_view.h"
#include "gui/view/playback_bar.h"
#include "gui/view/playback_menu.h"
#include "gui/view/reference_chart_window.h"
#include "gui/view/user_input_hold.h"
#include "gui/view/view_menu.h"
#include "gui/view/word_playback_control.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/timed_player.h"
#include "playback/view_controls.h"
#include "shell/angle_table_document.h"
#include "shell/caption_table.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

ViewController::ViewController(ViewControllerContext context, QObject* parent)
    : QObject(parent), ui_(context) {
  ConnectPlayback();
  ConnectView();
}

void ViewController::ConnectPlayback() {
  // While a word plays its own keys act at once, and the mouse turns the view and moves
  // the slider; everything else waits for the word to end.
  ui_.inputHold.SetPassageRule([this](QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (!WordPlaybackControl::IsPlaybackKey(key)) return UserInputHold::Passage::Hold;
      if (event->type() == QEvent::KeyPress) ui_.playbackControl.HandleKey(key);
      return UserInputHold::Passage::Taken;
    }
    if (event->type() == QEvent::ContextMenu) return UserInputHold::Passage::Hold;
    for (QWidget* passing : {static_cast<QWidget*>(&ui_.handView), static_cast<QWidget*>(ui_.playbackBar.Slider())})
      if (watched == passing) return UserInputHold::Passage::Pass;
    return UserInputHold::Passage::Hold;
  });

  connect(&ui_.playbackBar, &PlaybackBar::signShown, &ui_.handView, &HandView::SetShownSign);
  // A word is framed as a whole when it starts, so none of its pictures leaves the view
  // and the camera holds still while it plays; the fit stays after it ends. Another
  // table's hands go back to the view as it is. The word as given passes through the
  // same poses as the slowed one, in a quarter of the pictures at the slowest.
  connect(&ui_.player, &TimedPlayer::started, this, &ViewController::FrameLastWord);
  connect(&ui_.document, &AngleTableDocument::changed, this, [this] { ui_.handView.SetFraming(std::nullopt); });
  const PlaybackMenu& play = ui_.playbackMenu;
  WordPlaybackControl* control = &ui_.playbackControl;
  connect(play.replay, &QAction::triggered, control, &WordPlaybackControl::Replay);
  connect(play.pause, &QAction::triggered, control, [control] { control->HandleKey(Qt::Key_Space); });
  connect(play.stop, &QAction::triggered, control, &WordPlaybackControl::StopToRest);
  connect(play.stepBack, &QAction::triggered, control, [control] { control->StepSign(-1); });
  connect(play.stepForward, &QAction::triggered, control, [control] { control->StepSign(+1); });
  for (size_t i = 0; i < play.slowMotion.size(); ++i) {
    const int percent = PlaybackMenu::kSlowMotionPercents[i];
    connect(play.slowMotion[i], &QAction::triggered, this, [this, percent] { ui_.player.SetSlowMotion(percent); });
  }
}

void ViewController::ConnectView() {
  connect(&ui_.handView, &HandView::viewChanged, this, &ViewController::RedrawView);
  auto* viewPoints = new QButtonGroup(this);
  viewPoints->addButton(ui_.viewPointOptions[0], 0);
  viewPoints->addButton(ui_.viewPointOptions[1], 1);
  connect(viewPoints, &QButtonGroup::idClicked, this, &ViewController::ChooseViewPoint);
  connect(&ui_.homeButton, &QAbstractButton::clicked, this, &ViewController::GoHome);
  connect(ui_.viewMenu.home, &QAction::triggered, this, &ViewController::GoHome);
  connect(&ui_.naturalHandsBox, &QCheckBox::toggled, this, &ViewController::ChooseNaturalHands);
  // Told from inside a paint; the message box waits until the paint is over.
  connect(&ui_.handView, &HandView::naturalHandsUnavailable, this, &ViewController::NaturalHandsUnavailable,
          Qt::QueuedConnection);

  for (const auto& [action, preset] : ui_.viewMenu.presets) {
    connect(action, &QAction::triggered, this, [this, preset = preset] {
      ApplyViewPreset(ui_.handView.View(), preset);
      RedrawView();
    });
  }
  connect(ui_.viewMenu.leftHanded, &QAction::toggled, this, &ViewController::SetLeftHanded);
  connect(ui_.viewMenu.lifelikeMotion, &QAction::toggled, this,
          [this](bool lifelike) { SetMotion(lifelike ? MotionStyle::Lifelike : MotionStyle::Described); });
  connect(ui_.viewMenu.chart, &QAction::triggered, this, &ViewController::ShowChart);
  // The chart shows the table as it stands.
  connect(&ui_.document, &AngleTableDocument::changed, this, &ViewController::RefreshChart);
  connect(&ui_.document, &AngleTableDocument::changed, this, &ViewController::FollowTableHands);
}

int ViewController::TableHands() const { return ui_.document.Table().HandCount; }

void ViewController::FollowTableHands() {
  const int hands = TableHands();
  if (hands == startHands_) return;
  // A view the user has not turned moves on to the other table's start; one the user
  // turned stays where it is.
  ViewState& view = ui_.handView.View();
  if (AtStartView(view, startHands_)) {
    HomeView(view, hands);
    SetViewPoint(view, ui_.viewPointOptions[1]->isChecked() ? 1 : 0, hands);
  }
  startHands_ = hands;
}

ViewState ViewController::ViewToKeep() const { return ::ViewToKeep(ui_.handView.View(), TableHands()); }

void ViewController::SetLeftHanded(bool leftHanded) {
  const bool changed = leftHanded != leftHanded_;
  leftHanded_ = leftHanded;
  ui_.handView.View().Mirrored = leftHanded;
  if (ui_.viewMenu.leftHanded->isChecked() != leftHanded) {
    const QSignalBlocker quiet(ui_.viewMenu.leftHanded);
    ui_.viewMenu.leftHanded->setChecked(leftHanded);
  }
  RedrawView();
  RefreshChart();
  if (changed) emit leftHandedChanged(leftHanded);
}

void ViewController::SetMotion(MotionStyle motion) {
  const bool changed = motion != ui_.signs.Motion();
  ui_.signs.SetMotion(motion);
  const QSignalBlocker quiet(ui_.viewMenu.lifelikeMotion);
  ui_.viewMenu.lifelikeMotion->setChecked(motion == MotionStyle::Lifelike);
  if (changed) emit motionChanged(motion);
}

void ViewController::StartWithAppearance(HandAppearance appearance) {
  const QSignalBlocker quiet(ui_.naturalHandsBox);
  ui_.naturalHandsBox.setChecked(appearance == HandAppearance::Natural);
  QString message;
  if (ui_.handView.SetAppearance(appearance, &message) != appearance) NaturalHandsUnavailable(message);
}

void ViewController::ResetView() {
  startHands_ = TableHands();
  ui_.handView.View() = StartView(startHands_);
  ui_.handView.View().Mirrored = leftHanded_;
  ui_.viewPointOptions[0]->setChecked(true);
}

void ViewController::RestoreView(float azimuth, float elevation, float angle) {
  ViewState& view = ui_.handView.View();
  ViewState kept = view;
  kept.ViewAzimuth = azimuth;
  kept.ViewElevation = elevation;
  kept.ViewAngle = angle;
  startHands_ = TableHands();
  view = KeptViewRestored(kept, startHands_);
  const float fromSigner = std::fabs(std::remainder(view.ViewAzimuth - 180.0f, 360.0f));
  ui_.viewPointOptions[fromSigner < 90.0f ? 1 : 0]->setChecked(true);
}

void ViewController::SetCaptions(const CaptionTable& captions, InterfaceLanguage language) {
  ApplyPlaybackMenuCaptions(ui_.playbackMenu, captions, language);
  ApplyViewMenuCaptions(ui_.viewMenu, captions, language);
  chartTitle_ = captions.Caption(ReferenceChartCaption, language);
  if (chartWindow_) chartWindow_->SetTitle(chartTitle_);
}

ReferenceChartWindow& ViewController::ChartWindow() {
  if (!chartWindow_) {
    chartWindow_ = new ReferenceChartWindow(&ui_.owner);
    chartWindow_->SetTitle(chartTitle_);
    connect(chartWindow_, &ReferenceChartWindow::signChosen, this, &ViewController::PlaySign);
  }
  return *chartWindow_;
}

void ViewController::ShowChart() {
  ReferenceChartWindow& chart = ChartWindow();
  chart.ShowSigns(ui_.document.Table(), ui_.handView.Appearance(), leftHanded_);
  // Opened the first time beside the main window; after that where the user left it.
  if (!chart.isVisible() && !chart.testAttribute(Qt::WA_Moved)) PlaceBesideMainWindow(chart, ui_.owner);
  chart.show();
  chart.raise();
}

void ViewController::RefreshChart() {
  if (chartWindow_ && chartWindow_->isVisible())
    chartWindow_->ShowSigns(ui_.document.Table(), ui_.handView.Appearance(), leftHanded_);
}

void ViewController::PlaySign(int slot) {
  if (ui_.player.IsPlaying()) return;
  const int frames = ui_.document.Table().KeyFrameCount(slot);
  if (frames < 1) return;
  // From the pose shown now, each key frame in turn at the pace of speed 100.
  MoveScript script;
  for (int frame = 0; frame < frames; ++frame) {
    script.push_back(Move::Target(slot, frame));
    script.push_back(Move::Redraw(40));
  }
  ui_.playbackControl.SetLetters({});
  ui_.player.Play(script);
}

void ViewController::RedrawView() { ui_.engine.DrawHands(); }

void ViewController::ChooseViewPoint(int option) {
  SetViewPoint(ui_.handView.View(), option, TableHands());
  RedrawView();
}

void ViewController::GoHome() {
  HomeView(ui_.handView.View(), TableHands());
  // Home keeps the view point that is chosen.
  SetViewPoint(ui_.handView.View(), ui_.viewPointOptions[1]->isChecked() ? 1 : 0, TableHands());
  RedrawView();
}

void ViewController::FrameLastWord() {
  ui_.handView.SetFraming(
      ScriptBounds(ui_.engine.Table(), ui_.player.LastScript(), ui_.handView.Appearance(), ui_.engine.Hands()));
}

void ViewController::ChooseNaturalHands(bool natural) {
  const HandAppearance wanted = natural ? HandAppearance::Natural : HandAppearance::Classic;
  QString message;
  if (ui_.handView.SetAppearance(wanted, &message) != wanted) NaturalHandsUnavailable(message);
  // The Natural hands take up more room (their forearms): the word shown is fitted again.
  if (ui_.handView.Framing()) FrameLastWord();
  emit appearanceChanged(ui_.handView.Appearance());
  RedrawView();
  RefreshChart();
}

void ViewController::NaturalHandsUnavailable(const QString& message) {
  const QSignalBlocker quiet(&ui_.naturalHandsBox);
  ui_.naturalHandsBox.setChecked(false);
  ui_.handView.SetAppearance(HandAppearance::Classic, nullptr);
  emit appearanceChanged(HandAppearance::Classic);
  ui_.messages.ShowMessage(message);
}
