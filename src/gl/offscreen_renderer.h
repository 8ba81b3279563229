#pragma once

#include "playback/box.h"
#include "playback/drawing_area.h"
#include "playback/view_state.h"
#include "hand/hand_appearance.h"
#include "gl/natural_hand_shaders.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class NaturalHandRenderer;

// A drawing area with no window and no display: an OpenGL compatibility-profile
// context on Mesa's surfaceless EGL platform, drawing into a framebuffer object.
// It draws with the same camera, light and drawing calls as the main window, and
// "presents" a picture by reading it back into an image.
class OffscreenRenderer : public DrawingArea {
 public:
  // The longest side of a picture it draws, in pixels.
  static constexpr int kLargestSide = 16384;

  // Null, with the reason in *error, when no context can be made (no EGL, no
  // surfaceless platform, no compatibility profile) or the size is not positive.
  static std::unique_ptr<OffscreenRenderer> Create(int width, int height, QString* error);
  ~OffscreenRenderer() override;
  OffscreenRenderer(const OffscreenRenderer&) = delete;
  OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void DrawHands(const HandScene& scene) override;
  // Writes through a temporary file; the format follows the suffix (.bmp, .png, ...).
  bool SaveFrame(const QString& path) override;
  // Why the last SaveFrame that failed did not write its picture.
  const QString& LastSaveError() const { return lastSaveError_; }

  // Draws the hands as `appearance` asks from now on. Natural needs its shaders to
  // compile and link on this context; when they do not, the hands stay Classic and
  // *message says why. Returns the appearance in use.
  HandAppearance SetAppearance(HandAppearance appearance, QString* message,
                               const NaturalShaderSources& sources = DefaultNaturalShaders());
  HandAppearance Appearance() const;

  // The camera angles every picture is drawn from.
  ViewState& View() { return view_; }
  const ViewState& View() const { return view_; }
  // The box every picture is framed to keep in view (see FitFraming), from the view's
  // own direction and zoom; without one the view is drawn as it is (the Natural hands
  // a little closer).
  void SetFraming(std::optional<Box> framing) { framing_ = framing; }
  const std::optional<Box>& Framing() const { return framing_; }
  // The camera the next picture is drawn from.
  ViewState Camera(int handCount) const;

  // The picture last presented (black before the first drawing).
  const QImage& Image() const { return image_; }

 private:
  struct Context;
  OffscreenRenderer(std::unique_ptr<Context> context, int width, int height);
  void ReadBack();

  std::unique_ptr<Context> context_;
  std::unique_ptr<NaturalHandRenderer> natural_;
  int width_;
  int height_;
  QImage image_;
  // A row in passing while the read-back is turned upright, kept to spare an
  // allocation per picture.
  std::vector<uchar> rowSpare_;
  ViewState view_;
  std::optional<Box> framing_;
  QString lastSaveError_;
};
