#include "gl/gif_animation_writer.h"

#include "base/file_replacement.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
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

struct ImageDeleter {
  void operator()(liq_image* image) const { liq_image_destroy(image); }
};

// A palette is kept while a picture remapped to it is off by no more than this much
// more (mean square error, 0..255 per channel) than the picture it was made for.
constexpr double kPaletteTolerance = 1.5;

}  // namespace

GifAnimationWriter::GifAnimationWriter(const QString& path, QSize size) : file_(path), size_(size) {}

GifAnimationWriter::~GifAnimationWriter() {
  if (palette_ != nullptr) liq_result_destroy(palette_);
  if (quantizer_ != nullptr) liq_attr_destroy(quantizer_);
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
  quantizer_ = liq_attr_create();
  if (quantizer_ == nullptr) return Fail(QStringLiteral("out of memory"), error);
  liq_set_speed(quantizer_, 10);
  liq_set_max_colors(quantizer_, 256);
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

  if (!Quantize(picture, error)) return false;
  pendingFirstStep_ = step;
  return true;
}

QRect GifAnimationWriter::ChangedRectangle(const QImage& before, const QImage& after) {
  const int width = after.width();
  const int height = after.height();
  const auto row = [](const QImage& image, int y) {
    return reinterpret_cast<const uint32_t*>(image.constScanLine(y));
  };
  const auto rowDiffers = [&](int y) {
    return std::memcmp(row(before, y), row(after, y), sizeof(uint32_t) * width) != 0;
  };
  int top = 0;
  while (top < height && !rowDiffers(top)) ++top;
  if (top == height) return QRect(0, 0, 1, 1);
  int bottom = height - 1;
  while (!rowDiffers(bottom)) --bottom;
  int left = width;
  int right = -1;
  for (int y = top; y <= bottom; ++y) {
    const uint32_t* a = row(before, y);
    const uint32_t* b = row(after, y);
    for (int x = 0; x < left; ++x)
      if (a[x] != b[x]) { left = x; break; }
    for (int x = width - 1; x > right; --x)
      if (a[x] != b[x]) { right = x; break; }
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool GifAnimationWriter::Quantize(const QImage& picture, QString* error) {
  // libimagequant reads RGBA; the drawing has no transparency, so alpha is made opaque.
  QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
  const int fullWidth = rgba.width();
  for (int y = 0; y < rgba.height(); ++y) {
    uchar* line = rgba.scanLine(y);
    for (int x = 0; x < fullWidth; ++x) line[4 * x + 3] = 255;
  }
  const QRect changed = previous_.isNull() ? rgba.rect() : ChangedRectangle(previous_, rgba);
  const int width = changed.width();
  const int height = changed.height();
  std::vector<void*> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[static_cast<size_t>(y)] = rgba.scanLine(changed.top() + y) + 4 * changed.left();
  const QString failed = QStringLiteral("the colours of a picture could not be reduced");
  std::unique_ptr<liq_image, ImageDeleter> image(
      liq_image_create_rgba_rows(quantizer_, rows.data(), width, height, 0));
  if (!image) return Fail(failed, error);
  pendingIndexes_.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const auto remap = [&] {
    return liq_write_remapped_image(palette_, image.get(), pendingIndexes_.data(),
                                    pendingIndexes_.size()) == LIQ_OK;
  };
  bool fits = palette_ != nullptr && remap() &&
              liq_get_remapping_error(palette_) <= paletteError_ + kPaletteTolerance;
  if (!fits) {
    liq_result* made = nullptr;
    if (liq_image_quantize(image.get(), quantizer_, &made) != LIQ_OK) return Fail(failed, error);
    if (palette_ != nullptr) liq_result_destroy(palette_);
    palette_ = made;
    // Without dithering: on shaded hands over a flat background 256 colours leave no
    // banding worth the cost, and the remapping is half of the export's time with it.
    liq_set_dithering_level(palette_, 0.0f);
    if (!remap()) return Fail(failed, error);
    paletteError_ = std::max(0.0, liq_get_remapping_error(palette_));
  }
  pendingRectangle_ = changed;
  previous_ = std::move(rgba);
  const liq_palette* palette = liq_get_palette(palette_);
  pendingPalette_.clear();
  for (unsigned i = 0; i < palette->count; ++i) {
    pendingPalette_.push_back(palette->entries[i].r);
    pendingPalette_.push_back(palette->entries[i].g);
    pendingPalette_.push_back(palette->entries[i].b);
  }
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
      EGifPutImageDesc(gif_, pendingRectangle_.left(), pendingRectangle_.top(), pendingRectangle_.width(),
                       pendingRectangle_.height(), false, map) != GIF_ERROR;
  GifFreeMapObject(map);
  if (!described) return Fail(GifError(gif_->Error), error);
  const int width = pendingRectangle_.width();
  for (int y = 0; y < pendingRectangle_.height(); ++y) {
    GifByteType* row = pendingIndexes_.data() + static_cast<size_t>(y) * width;
    if (EGifPutLine(gif_, row, width) == GIF_ERROR) {
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
  QString why;
  if (!CommitSaveFile(file_, &why)) return Fail(why, error);
  return true;
}

bool GifAnimationWriter::Fail(const QString& reason, QString* error) {
  failed_ = true;
  if (error != nullptr) *error = reason;
  return false;
}
