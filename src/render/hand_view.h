#pragma once

#include "render/drawing_area.h"
#include "render/hand_appearance.h"
#include "render/step_clock.h"

#include <QEventLoop>
#include <QOpenGLWidget>
#include <QSurfaceFormat>

#include <functional>
#include <memory>

struct AppState;
class MessageSink;
class NaturalHandRenderer;

// The main window's drawing area, picSpace: an OpenGL widget the playback engine draws
// the hands on. Every picture is paced by the step clock; while it waits, the window
// repaints and answers the window manager, but keyboard and mouse input wait until
// the word has been spelled. Holding a mouse button on the area turns, tilts or zooms
// the view, one pass per step, until the button is released.
class HandView : public QOpenGLWidget, public DrawingArea {
  Q_OBJECT

 public:
  explicit HandView(AppState& state, QWidget* parent = nullptr);
  ~HandView() override;

  // RGBA 8-8-8, a depth buffer of at least 16 bits, double buffered, and the
  // compatibility profile, so that immediate mode and GLU work.
  static QSurfaceFormat RequestedFormat();

  // Tells the user "ChoosePixelFormat failed" when no context in the requested format
  // can be made on this display; the area then stays blank. True when one can.
  bool InitOpenGL(MessageSink& messages);

  int Width() const override;
  int Height() const override;
  void DrawHands(const AppState& state) override;
  bool SaveFrame(const QString& path) override;

  // Draws the hands as `appearance` asks from now on; capture and recording save what
  // is shown. When the Natural hands' shaders do not compile or link on this display
  // the hands stay Classic, *message says why, and Classic is returned. Before the
  // area has a context the choice waits for it; a failure then is told through
  // naturalHandsUnavailable.
  HandAppearance SetAppearance(HandAppearance appearance, QString* message);
  HandAppearance Appearance() const { return appearance_; }

  // True while a mouse button is held on the area.
  bool MouseHeld = false;

  // Redraws the current pose after a pass of the held mouse has changed the view; the
  // window points it at the playback engine.
  std::function<void()> ViewChanged;

  // Pictures the engine has asked for since the area was made.
  int PicturesDrawn() const { return picturesDrawn_; }

 signals:
  void mouseHoldEnded();
  void naturalHandsUnavailable(const QString& message);

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void WaitForNextStep(QEventLoop::ProcessEventsFlags flags);

  bool MakeNaturalRenderer(QString* message);

  AppState& state_;
  StepClock clock_;
  HandAppearance appearance_ = HandAppearance::Classic;
  std::unique_ptr<NaturalHandRenderer> natural_;
  int picturesDrawn_ = 0;
};
