#pragma once

#include "hand/hand_appearance.h"
#include "playback/box.h"
#include "playback/drawing_area.h"
#include "playback/view_state.h"

#include <QImage>
#include <QOpenGLWindow>
#include <QString>

#include <memory>
#include <optional>

class NaturalHandRenderer;

// The native window the drawing area's hands are drawn on: OpenGL on the window's own
// surface and one buffer swap a picture, with nothing composed between the drawing and
// the screen. It draws the last scene it was given from the view it was made with
// (owned by the drawing area, which outlives it), framed on the box it was told.
//
// A picture is drawn into a framebuffer object of the window's size, as the offscreen
// renderer draws, and copied to the window pixel for pixel. Drawn on the window's
// buffer itself, Mesa's rasteriser (rows the other way up) rounds a few pixels of the
// Classic hands one level apart from the offscreen picture of the same step; the copy
// costs a fraction of a millisecond. Without framebuffer objects it draws on the
// window directly.
class HandSurfaceWindow : public QOpenGLWindow {
  Q_OBJECT

 public:
  explicit HandSurfaceWindow(const ViewState& view);
  ~HandSurfaceWindow() override;

  // The scene is drawn and presented as soon as the event loop runs, once however many
  // scenes came before it.
  void ShowScene(const HandScene& scene);
  void SetFraming(std::optional<Box> framing);
  const std::optional<Box>& Framing() const { return framing_; }

  // Draws the hands as `appearance` asks from now on; when the Natural hands' shaders
  // do not compile or link here they stay Classic, *message says why, and Classic is
  // returned. Before the window has a context the choice waits for it; a failure then
  // is told through naturalHandsUnavailable.
  HandAppearance SetAppearance(HandAppearance appearance, QString* message);
  HandAppearance Appearance() const { return appearance_; }

  // The picture shown, drawn again and read back: after a swap the window's back buffer
  // holds nothing reliable. Null before the window has a context (it has not been
  // shown yet).
  QImage Picture();

 signals:
  void naturalHandsUnavailable(const QString& message);

 protected:
  void initializeGL() override;
  void paintGL() override;

 private:
  // False before the window has a context, or when it cannot be made current.
  bool MakeCurrent();
  int PixelWidth() const;
  int PixelHeight() const;
  // Draws the scene into the picture framebuffer and copies it to the window's back
  // buffer; the picture framebuffer is left bound for reading.
  void Draw();
  bool PrepareTarget(QSize size);
  void ReleaseTarget();
  void Present();
  bool MakeNaturalRenderer(QString* message);

  const ViewState& view_;
  std::optional<Box> framing_;
  HandScene scene_;
  HandAppearance appearance_ = HandAppearance::Classic;
  std::unique_ptr<NaturalHandRenderer> natural_;
  bool presentAsked_ = false;
  // The picture framebuffer: colour RGBA 8-8-8-8 and depth 24, as the offscreen
  // renderer's.
  unsigned framebuffer_ = 0;
  unsigned colour_ = 0;
  unsigned depth_ = 0;
  QSize targetSize_;
};
