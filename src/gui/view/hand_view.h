#pragma once

#include "hand/hand_appearance.h"
#include "playback/box.h"
#include "playback/drawing_area.h"
#include "playback/step_source.h"
#include "playback/view_controls.h"
#include "playback/view_state.h"

#include <QOpenGLWidget>
#include <QPointF>
#include <QSurfaceFormat>

#include <memory>
#include <optional>

class MessageSink;
class NaturalHandRenderer;

// The main window's drawing area, picSpace: an OpenGL widget the playback engine draws
// the hands on. It owns the view (the camera angles). A picture the engine asks for is
// painted at the next update; the players pace the pictures. Holding a mouse button on
// the area turns, tilts or zooms the view, one pass per step of a 60-per-second timer,
// until the button is released.
class HandView : public QOpenGLWidget, public DrawingArea {
  Q_OBJECT

 public:
  explicit HandView(QWidget* parent = nullptr);
  ~HandView() override;

  // RGBA 8-8-8, a depth buffer of at least 16 bits, double buffered, and the
  // compatibility profile, so that immediate mode and GLU work.
  static QSurfaceFormat RequestedFormat();

  // Tells the user "ChoosePixelFormat failed" when no context in the requested format
  // can be made on this display; the area then stays blank. True when one can.
  bool InitOpenGL(MessageSink& messages);

  int Width() const override;
  int Height() const override;
  void DrawHands(const HandScene& scene) override;
  bool SaveFrame(const QString& path) override;
  // Why the last SaveFrame failed.
  const QString& LastSaveError() const { return lastSaveError_; }

  // Draws the hands as `appearance` asks from now on; capture and recording save what
  // is shown. When the Natural hands' shaders do not compile or link on this display
  // the hands stay Classic, *message says why, and Classic is returned. Before the
  // area has a context the choice waits for it; a failure then is told through
  // naturalHandsUnavailable.
  HandAppearance SetAppearance(HandAppearance appearance, QString* message);
  HandAppearance Appearance() const { return appearance_; }

  ViewState& View() { return view_; }
  const ViewState& View() const { return view_; }
  // The box the picture is framed to keep in view (see FitFraming): a word's, set as
  // it starts and kept after it ends. Without one the view is drawn as it is (the
  // Natural hands a little closer).
  void SetFraming(std::optional<Box> framing);
  const std::optional<Box>& Framing() const { return framing_; }

  // True while a mouse button is held on the area.
  bool IsMouseHeld() const { return mouseHeld_; }
  // A held button changes the view a pass per step of the step timer, unless a test
  // gives a source of its own.
  void UseStepSource(std::unique_ptr<StepSource> steps);

  // Tells a screen reader which sign the picture shows: `sign` is its letters, empty
  // when no sign of a word is shown.
  void SetShownSign(const QString& sign);

  // Pictures the engine has asked for since the area was made.
  int PicturesDrawn() const { return picturesDrawn_; }

 signals:
  // A pass of the held mouse has changed the view; the hands are to be drawn again.
  void viewChanged();
  void mouseHoldEnded();
  void naturalHandsUnavailable(const QString& message);

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The wheel zooms in (forward) and out.
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void HoldPass();
  void EndHold();
  bool MakeNaturalRenderer(QString* message);

  ViewState view_;
  std::optional<Box> framing_;
  HandScene scene_;
  std::unique_ptr<StepSource> holdSteps_;
  HeldButton heldButton_ = HeldButton::Other;
  QPointF heldAt_;
  bool mouseHeld_ = false;
  int picturesDrawn_ = 0;
  HandAppearance appearance_ = HandAppearance::Classic;
  std::unique_ptr<NaturalHandRenderer> natural_;
  QString lastSaveError_;
};
