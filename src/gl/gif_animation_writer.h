#pragma once

#include "gl/animation_writer.h"

#include <QSaveFile>

#include <cstdint>
#include <vector>

struct GifFileType;

// An animated GIF that loops for ever. GIF delays count hundredths of a second and
// viewers stretch very short ones, so two steps make one picture: the first of each
// pair is shown for both. Delays are rounded on the running total, so a long word keeps
// the program's pace. Each picture gets its own palette of up to 256 colours, chosen
// by libimagequant with light dithering so the shading of the hand stays smooth.
class GifAnimationWriter : public AnimationWriter {
 public:
  static std::unique_ptr<GifAnimationWriter> Open(const QString& path, QSize size, QString* error);
  ~GifAnimationWriter() override;

  bool AddPicture(const QImage& picture, QString* error) override;
  bool Finish(QString* error) override;

  // Hundredths of a second the picture that covers steps [firstStep, endStep) shows for.
  static int DelayOf(int firstStep, int endStep);

 private:
  GifAnimationWriter(const QString& path, QSize size);
  bool Start(QString* error);
  bool WritePending(int endStep, QString* error);
  bool Fail(const QString& reason, QString* error);

  QSaveFile file_;
  QSize size_;
  GifFileType* gif_ = nullptr;
  // The quantized picture waiting for its delay, which the next picture decides.
  std::vector<uint8_t> pendingIndexes_;
  std::vector<uint8_t> pendingPalette_;  // r, g, b per colour
  int pendingFirstStep_ = -1;
  int steps_ = 0;
  bool failed_ = false;
};
