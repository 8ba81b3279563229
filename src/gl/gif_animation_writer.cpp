#include "gl/gif_animation_writer.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr int kStepsPerPicture = 2;

int WriteToSaveFile(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* file = static_cast<QSaveFile*>(gif->UserData);
  return static_cast<int>(file->write(reinterpret_cast<const char*>(bytes), length));
}

QString GifError(int code) {
  const char* text = GifErrorString(code);
  return text != nullptr ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

struct QuantizerDeleter {
  void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
  void operator()(liq_image* image) const { liq_image_destroy(image); }
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};

}  // namespace

GifAnimationWriter::GifAnimationWriter(const QString& path, QSize size) : file_(path), size_(size) {}

GifAnimationWriter::~GifAnimationWriter() {
  if (gif_ != nullptr) {
    int code = 0;
    EGifCloseFile(gif_, &code);
  }
  // Unless Finish committed it, the temporary file goes and the path stays untouched.
  file_.cancelWriting();
}

std::unique_ptr<GifAnimationWriter> GifAnimationWriter::Open(const QString& path, QSize size,
                                                             QString* error) {
  std::unique_ptr<GifAnimationWriter> writer(new GifAnimationWriter(path, size));
  if (!writer->Start(error)) return nullptr;
  return writer;
}

bool GifAnimationWriter::Start(QString* error) {
  if (size_.width() < 1 || size_.height() < 1 || size_.width() > 65535 || size_.height() > 65535)
    return Fail(QStringLiteral("a GIF picture is 1 to 65535 pixels on each side"), error);
  if (!file_.open(QIODevice::WriteOnly)) return Fail(file_.errorString(), error);
  int code = 0;
  gif_ = EGifOpen(&file_, WriteToSaveFile, &code);
  if (gif_ == nullptr) return Fail(GifError(code), error);
  EGifSetGifVersion(gif_, true);
  if (EGifPutScreenDesc(gif_, size_.width(), size_.height(), 8, 0, nullptr) == GIF_ERROR)
    return Fail(GifError(gif_->Error), error);
  // Loop for ever, as a picture on a slide or a web page is expected to.
  static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoop[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, sizeof kApplication, kApplication) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, sizeof kLoop, kLoop) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_) == GIF_ERROR)
    return Fail(GifError(gif_->Error), error);
  return true;
}

int GifAnimationWriter::DelayOf(int firstStep, int endStep) {
  const auto hundredths = [](int step) {
    return static_cast<int>(std::lround(step * 100.0 / AnimationWriter::kStepsPerSecond));
  };
  return hundredths(endStep) - hundredths(firstStep);
}

bool GifAnimationWriter::AddPicture(const QImage& picture, QString* error) {
  if (failed_) return Fail(QStringLiteral("the file has already failed"), error);
  if (picture.size() != size_) return Fail(QStringLiteral("a picture of the wrong size"), error);
  const int step = steps_++;
  if (step % kStepsPerPicture != 0) return true;
  if (pendingFirstStep_ >= 0 && !WritePending(step, error)) return false;

  // libimagequant reads RGBA; the drawing has no transparency, so alpha is made opaque.
  QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
  const int width = size_.width();
  const int height = size_.height();
  std::vector<void*> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    uchar* line = rgba.scanLine(y);
    for (int x = 0; x < width; ++x) line[4 * x + 3] = 255;
    rows[static_cast<size_t>(y)] = line;
  }
  std::unique_ptr<liq_attr, QuantizerDeleter> attr(liq_attr_create());
  liq_set_speed(attr.get(), 10);
  liq_set_max_colors(attr.get(), 256);
  std::unique_ptr<liq_image, QuantizerDeleter> image(
      liq_image_create_rgba_rows(attr.get(), rows.data(), width, height, 0));
  liq_result* quantized = nullptr;
  if (!image || liq_image_quantize(image.get(), attr.get(), &quantized) != LIQ_OK)
    return Fail(QStringLiteral("the colours of a picture could not be reduced"), error);
  std::unique_ptr<liq_result, QuantizerDeleter> result(quantized);
  liq_set_dithering_level(result.get(), 0.5f);
  pendingIndexes_.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (liq_write_remapped_image(result.get(), image.get(), pendingIndexes_.data(),
                               pendingIndexes_.size()) != LIQ_OK)
    return Fail(QStringLiteral("the colours of a picture could not be reduced"), error);
  const liq_palette* palette = liq_get_palette(result.get());
  pendingPalette_.clear();
  for (unsigned i = 0; i < palette->count; ++i) {
    pendingPalette_.push_back(palette->entries[i].r);
    pendingPalette_.push_back(palette->entries[i].g);
    pendingPalette_.push_back(palette->entries[i].b);
  }
  pendingFirstStep_ = step;
  return true;
}

bool GifAnimationWriter::WritePending(int endStep, QString* error) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = DelayOf(pendingFirstStep_, endStep);
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);

  // A colour map holds a power of two entries, at least two.
  const int colours = static_cast<int>(pendingPalette_.size() / 3);
  int mapSize = 2;
  while (mapSize < colours) mapSize *= 2;
  ColorMapObject* map = GifMakeMapObject(mapSize, nullptr);
  if (map == nullptr) return Fail(QStringLiteral("out of memory"), error);
  for (int i = 0; i < colours; ++i)
    map->Colors[i] = {pendingPalette_[3 * i], pendingPalette_[3 * i + 1], pendingPalette_[3 * i + 2]};
  const bool described =
      EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_ERROR &&
      EGifPutImageDesc(gif_, 0, 0, size_.width(), size_.height(), false, map) != GIF_ERROR;
  GifFreeMapObject(map);
  if (!described) return Fail(GifError(gif_->Error), error);
  for (int y = 0; y < size_.height(); ++y) {
    GifByteType* row = pendingIndexes_.data() + static_cast<size_t>(y) * size_.width();
    if (EGifPutLine(gif_, row, size_.width()) == GIF_ERROR) {
      const QString reason = file_.error() != QFileDevice::NoError ? file_.errorString() : GifError(gif_->Error);
      return Fail(reason, error);
    }
  }
  pendingFirstStep_ = -1;
  return true;
}

bool GifAnimationWriter::Finish(QString* error) {
  if (failed_) return Fail(QStringLiteral("the file has already failed"), error);
  if (pendingFirstStep_ < 0) return Fail(QStringLiteral("there is no picture to write"), error);
  if (!WritePending(steps_, error)) return false;
  int code = 0;
  const int closed = EGifCloseFile(gif_, &code);
  gif_ = nullptr;
  if (closed == GIF_ERROR) return Fail(GifError(code), error);
  if (!file_.commit()) return Fail(file_.errorString(), error);
  return true;
}

bool GifAnimationWriter::Fail(const QString& reason, QString* error) {
  failed_ = true;
  if (error != nullptr) *error = reason;
  return false;
}
