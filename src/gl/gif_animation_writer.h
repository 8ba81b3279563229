#pragma once

#include "gl/animation_writer.h"

#include <QRect>
#include <QSaveFile>

#include <cstdint>
#include <vector>

struct GifFileType;
struct liq_attr;
struct liq_result;

// An animated GIF that loops for ever. GIF delays count hundredths of a second and
// viewers stretch very short ones, so two steps make one picture: the first of each
// pair is shown for both. Delays are rounded on the running total, so a long word keeps
// the program's pace. Pictures carry palettes of up to 256 colours, chosen by
// libimagequant, with light dithering so the shading of the hand stays smooth. The hand
// keeps its colours from one picture to the next, so a palette is reused while it
// still fits a picture about as well as it fitted the one it was made for, and made
// anew when it does not; that saves most of the quantizing. Each picture holds only the
// rectangle that changed since the one before (the rest stays on screen), which is
// mostly the hand and little of the background.
class GifAnimationWriter : public AnimationWriter {
 public:
  static std::unique_ptr<GifAnimationWriter> Open(const QString& path, QSize size, QString* error);
  ~GifAnimationWriter() override;

  bool UsesStep(int step) const override { return step % 2 == 0; }
  bool AddPicture(const QImage& picture, QString* error) override;
  bool Finish(QString* error) override;

  // Hundredths of a second the picture that covers steps [firstStep, endStep) shows for.
  static int DelayOf(int firstStep, int endStep);

  // The smallest rectangle holding every pixel in which two pictures of one size and
  // format differ; a single pixel at the corner when they are the same, since every
  // picture of a GIF covers something.
  static QRect ChangedRectangle(const QImage& before, const QImage& after);

 private:
  GifAnimationWriter(const QString& path, QSize size);
  bool Start(QString* error);
  bool WritePending(int endStep, QString* error);
  bool Fail(const QString& reason, QString* error);
  bool Quantize(const QImage& picture, QString* error);

  QSaveFile file_;
  QSize size_;
  GifFileType* gif_ = nullptr;
  // The quantized picture waiting for its delay, which the next picture decides.
  std::vector<uint8_t> pendingIndexes_;
  QRect pendingRectangle_;
  QImage previous_;  // the last picture quantized, RGBA
  std::vector<uint8_t> pendingPalette_;  // r, g, b per colour
  int pendingFirstStep_ = -1;
  int steps_ = 0;
  bool failed_ = false;
  liq_attr* quantizer_ = nullptr;
  liq_result* palette_ = nullptr;  // the palette in use
  double paletteError_ = 0;        // how well it fitted the picture it was made for
};
