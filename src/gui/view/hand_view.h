#pragma once

#include "hand/hand_appearance.h"
#include "playback/box.h"
#include "playback/drawing_area.h"
#include "playback/step_source.h"
#include "playback/view_controls.h"
#include "playback/view_state.h"

#include <QImage>
#include <QPointF>
#include <QSurfaceFormat>
#include <QWidget>

#include <memory>
#include <optional>

class HandSurfaceWindow;
class MessageSink;

// The main window's drawing area, picSpace, which the playback engine draws the hands
// on. It owns the view (the camera angles). The hands are drawn with OpenGL on a native
// window of their own filling the area (HandSurfaceWindow), not composed with the other
// widgets: in software OpenGL that composition cost more than the drawing. Every
// platform the program runs on gives a child window (X11, Wayland, and the "offscreen"
// one whenever it has OpenGL at all), so there is no widget-drawn path; only platforms
// of a single full-screen window (eglfs, linuxfb) could not, and the program is not
// made for them. A picture the engine asks for is presented as soon as the event loop
// runs; the players pace the pictures. Holding a mouse button on the area turns, tilts
// or zooms the view, one pass per step of a 60-per-second timer, until the button is
// released; the window's mouse events reach the area as its own.
class HandView : public QWidget, public DrawingArea {
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
  // The picture shown, as SaveFrame saves it (a grab of the widget cannot see a native
  // window's pixels); null before the area has been shown.
  QImage Picture();

  // Draws the hands as `appearance` asks from now on; capture and recording save what
  // is shown. When the Natural hands' shaders do not compile or link on this display
  // the hands stay Classic, *message says why, and Classic is returned. Before the
  // area has a context the choice waits for it; a failure then is told through
  // naturalHandsUnavailable.
  HandAppearance SetAppearance(HandAppearance appearance, QString* message);
  HandAppearance Appearance() const;

  ViewState& View() { return view_; }
  const ViewState& View() const { return view_; }
  // The box the picture is framed to keep in view (see FitFraming): a word's, set as
  // it starts and kept after it ends. Without one the view is drawn as it is (the
  // Natural hands a little closer).
  void SetFraming(std::optional<Box> framing);
  const std::optional<Box>& Framing() const;

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
  // A picture has reached the screen (the window's buffers were swapped).
  void frameSwapped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The wheel zooms in (forward) and out.
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The accessible texts, in the interface language installed.
  void Retranslate();
  void HoldPass();
  void EndHold();

  ViewState view_;
  // Owned by the container, a child of this area.
  HandSurfaceWindow* surface_ = nullptr;
  QWidget* container_ = nullptr;
  std::unique_ptr<StepSource> holdSteps_;
  HeldButton heldButton_ = HeldButton::Other;
  QPointF heldAt_;
  bool mouseHeld_ = false;
  int picturesDrawn_ = 0;
  QString lastSaveError_;
  QString shownSign_;
};
