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

// The native window the drawing area's hands are drawn on: OpenGL straight to the
// window's own surface and one buffer swap a picture, with nothing composed between the
// drawing and the screen. It draws the last scene it was given from the view it was
// made with (owned by the drawing area, which outlives it), framed on the box it was
// told.
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

  // The picture shown, drawn again into the back buffer and read from there: after a
  // swap the back buffer holds nothing reliable. Null before the window has a context
  // (it has not been shown yet).
  QImage Picture();

 signals:
  void naturalHandsUnavailable(const QString& message);

 protected:
  void initializeGL() override;
  void paintGL() override;

 private:
  int PixelWidth() const;
  int PixelHeight() const;
  void Draw();
  void Present();
  void Swap();
  bool MakeNaturalRenderer(QString* message);

  const ViewState& view_;
  std::optional<Box> framing_;
  HandScene scene_;
  HandAppearance appearance_ = HandAppearance::Classic;
  std::unique_ptr<NaturalHandRenderer> natural_;
  bool presentAsked_ = false;
  // The window's size in pixels when its buffers were last swapped: its buffers take a
  // new size only at the next swap.
  QSize swappedSize_;
};
