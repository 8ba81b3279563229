#include "gl/mp4_animation_writer.h"

#include "base/file_replacement.h"

#include <QThread>

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr int kIoBufferSize = 1 << 16;

QString AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return QString::fromLocal8Bit(text);
}

}  // namespace

Mp4AnimationWriter::Mp4AnimationWriter(const QString& path, QSize size)
    : file_(path), size_(size), video_(size.width() & ~1, size.height() & ~1) {}

Mp4AnimationWriter::~Mp4AnimationWriter() {
  StopEncoding(nullptr);
  Release();
  file_.cancelWriting();
}

void Mp4AnimationWriter::Release() {
  sws_freeContext(scaler_);
  scaler_ = nullptr;
  av_packet_free(&packet_);
  av_frame_free(&frame_);
  avcodec_free_context(&codec_);
  if (format_ != nullptr) {
    avformat_free_context(format_);
    format_ = nullptr;
  }
  if (io_ != nullptr) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

std::unique_ptr<Mp4AnimationWriter> Mp4AnimationWriter::Open(const QString& path, QSize size,
                                                             const AnimationNote& note,
                                                             QString* error) {
  std::unique_ptr<Mp4AnimationWriter> writer(new Mp4AnimationWriter(path, size));
  if (!writer->Start(note, error)) return nullptr;
  return writer;
}

int Mp4AnimationWriter::WriteBytes(void* opaque, uint8_t* data, int size) {
  auto* file = static_cast<QSaveFile*>(opaque);
  const qint64 written = file->write(reinterpret_cast<const char*>(data), size);
  return written == size ? size : AVERROR(EIO);
}

int64_t Mp4AnimationWriter::Seek(void* opaque, int64_t offset, int whence) {
  auto* file = static_cast<QSaveFile*>(opaque);
  switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE: return file->size();
    case SEEK_SET: break;
    case SEEK_CUR: offset += file->pos(); break;
    case SEEK_END: offset += file->size(); break;
    default: return AVERROR(EINVAL);
  }
  return file->seek(offset) ? offset : AVERROR(EIO);
}

bool Mp4AnimationWriter::Start(const AnimationNote& note, QString* error) {
  // The encoders' statistics are noise to the user; errors come back as values.
  av_log_set_level(AV_LOG_ERROR);
  if (video_.width() < 2 || video_.height() < 2)
    return Fail(QStringLiteral("a video is at least 2 pixels on each side"), error);
  const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_H264);
  if (encoder == nullptr) {
    encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (encoder == nullptr) return Fail(QStringLiteral("this FFmpeg has no H.264 or MPEG-4 encoder"), error);
    if (note) note(QStringLiteral("No H.264 encoder is available; the video is MPEG-4 Part 2"));
  }
  if (!file_.open(QIODevice::WriteOnly)) return Fail(file_.errorString(), error);

  int code = avformat_alloc_output_context2(&format_, nullptr, "mp4", nullptr);
  if (code < 0 || format_ == nullptr) return Fail(AvError(code), error);
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
  io_ = avio_alloc_context(buffer, kIoBufferSize, 1, &file_, nullptr, WriteBytes, Seek);
  if (buffer == nullptr || io_ == nullptr) {
    if (io_ == nullptr) av_free(buffer);
    return Fail(QStringLiteral("out of memory"), error);
  }
  format_->pb = io_;
  format_->flags |= AVFMT_FLAG_CUSTOM_IO;

  codec_ = avcodec_alloc_context3(encoder);
  if (codec_ == nullptr) return Fail(QStringLiteral("out of memory"), error);
  codec_->width = video_.width();
  codec_->height = video_.height();
  codec_->time_base = AVRational{1, kStepsPerSecond};
  codec_->framerate = AVRational{kStepsPerSecond, 1};
  codec_->pix_fmt = AV_PIX_FMT_YUV420P;
  codec_->gop_size = kStepsPerSecond;
  // One encoding thread per core: with more they only take turns with the drawing.
  codec_->thread_count = std::max(1, QThread::idealThreadCount());
  if (encoder->id == AV_CODEC_ID_H264) {
    // Short clips of hands on a flat background: the fastest preset loses little on
    // them (a ten-letter word takes about a quarter more room than with "superfast",
    // under 1.5 MB, and is written a quarter sooner), and the animation tune spends
    // its bits on the edges that move.
    av_opt_set(codec_->priv_data, "preset", "ultrafast", 0);
    av_opt_set(codec_->priv_data, "tune", "animation", 0);
    av_opt_set(codec_->priv_data, "crf", "20", 0);
  } else {
    codec_->bit_rate = 2'000'000;
    codec_->max_b_frames = 0;
  }
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  code = avcodec_open2(codec_, encoder, nullptr);
  if (code < 0) return Fail(AvError(code), error);

  stream_ = avformat_new_stream(format_, nullptr);
  if (stream_ == nullptr) return Fail(QStringLiteral("out of memory"), error);
  stream_->time_base = codec_->time_base;
  code = avcodec_parameters_from_context(stream_->codecpar, codec_);
  if (code < 0) return Fail(AvError(code), error);
  code = avformat_write_header(format_, nullptr);
  if (code < 0) return Fail(AvError(code), error);
  headerWritten_ = true;

  frame_ = av_frame_alloc();
  packet_ = av_packet_alloc();
  if (frame_ == nullptr || packet_ == nullptr) return Fail(QStringLiteral("out of memory"), error);
  frame_->format = codec_->pix_fmt;
  frame_->width = video_.width();
  frame_->height = video_.height();
  code = av_frame_get_buffer(frame_, 0);
  if (code < 0) return Fail(AvError(code), error);
  // Read as RGBA (the padding byte is never used), for which the converter has its fast
  // path; the colour of a 2 x 2 block is taken from one picture element rather than
  // filtered, which on hands over a flat background shows no difference and takes a
  // third less of the export's time.
  scaler_ = sws_getContext(video_.width(), video_.height(), AV_PIX_FMT_RGBA, video_.width(),
                           video_.height(), AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
  if (scaler_ == nullptr) return Fail(QStringLiteral("no colour conversion to YUV 4:2:0"), error);
  for (size_t i = 0; i < kQueued; ++i) {
    queued_[i] = QImage(size_, QImage::Format_RGBX8888);
    if (queued_[i].isNull()) return Fail(QStringLiteral("out of memory"), error);
    free_.push_back(i);
  }
  encoder_ = std::thread([this] { EncodeQueued(); });
  return true;
}

void Mp4AnimationWriter::EncodeQueued() {
  for (;;) {
    size_t slot = 0;
    {
      std::unique_lock lock(queueLock_);
      queueChanged_.wait(lock, [this] { return !waiting_.empty() || ending_; });
      if (waiting_.empty()) return;
      slot = waiting_.front();
      waiting_.pop_front();
    }
    const QImage& rgbx = queued_[slot];
    QString reason;
    bool encoded = true;
    const int code = av_frame_make_writable(frame_);
    if (code < 0) {
      reason = AvError(code);
      encoded = false;
    } else {
      const uint8_t* source[] = {rgbx.constBits()};
      const int sourceStride[] = {static_cast<int>(rgbx.bytesPerLine())};
      sws_scale(scaler_, source, sourceStride, 0, video_.height(), frame_->data, frame_->linesize);
      frame_->pts = next_++;
      encoded = Encode(frame_, &reason);
    }
    std::lock_guard lock(queueLock_);
    free_.push_back(slot);
    if (!encoded) {
      encoderFailure_ = reason;
      ending_ = true;
    }
    queueChanged_.notify_all();
    if (!encoded) return;
  }
}

bool Mp4AnimationWriter::StopEncoding(QString* error) {
  if (encoder_.joinable()) {
    {
      std::lock_guard lock(queueLock_);
      ending_ = true;
    }
    queueChanged_.notify_all();
    encoder_.join();
  }
  if (encoderFailure_.isEmpty()) return true;
  return Fail(encoderFailure_, error);
}

bool Mp4AnimationWriter::AddPicture(const QImage& picture, QString* error) {
  if (failed_) return Fail(QStringLiteral("the file has already failed"), error);
  if (picture.size() != size_) return Fail(QStringLiteral("a picture of the wrong size"), error);
  const QImage rgbx = picture.convertToFormat(QImage::Format_RGBX8888);
  std::unique_lock lock(queueLock_);
  queueChanged_.wait(lock, [this] { return !free_.empty() || !encoderFailure_.isEmpty(); });
  if (!encoderFailure_.isEmpty()) {
    const QString reason = encoderFailure_;
    lock.unlock();
    return Fail(reason, error);
  }
  const size_t slot = free_.front();
  free_.pop_front();
  lock.unlock();
  // The slot is the drawing thread's alone until it is queued.
  QImage& copy = queued_[slot];
  const size_t rowBytes = std::min<size_t>(copy.bytesPerLine(), rgbx.bytesPerLine());
  for (int y = 0; y < size_.height(); ++y) std::memcpy(copy.scanLine(y), rgbx.constScanLine(y), rowBytes);
  lock.lock();
  waiting_.push_back(slot);
  queueChanged_.notify_all();
  return true;
}

bool Mp4AnimationWriter::Encode(AVFrame* frame, QString* error) {
  int code = avcodec_send_frame(codec_, frame);
  if (code < 0) return Fail(AvError(code), error);
  for (;;) {
    code = avcodec_receive_packet(codec_, packet_);
    if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return true;
    if (code < 0) return Fail(AvError(code), error);
    // Every picture shows for one step; the container takes the last one's from here.
    if (packet_->duration <= 0) packet_->duration = 1;
    av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    code = av_interleaved_write_frame(format_, packet_);
    if (code < 0) {
      const QString reason = file_.error() != QFileDevice::NoError ? file_.errorString() : AvError(code);
      return Fail(reason, error);
    }
  }
}

bool Mp4AnimationWriter::Finish(QString* error) {
  if (failed_) return Fail(QStringLiteral("the file has already failed"), error);
  if (!StopEncoding(error)) return false;
  if (next_ == 0) return Fail(QStringLiteral("there is no picture to write"), error);
  if (!Encode(nullptr, error)) return false;
  const int code = av_write_trailer(format_);
  if (code < 0) return Fail(AvError(code), error);
  avio_flush(io_);
  if (io_->error < 0) return Fail(AvError(io_->error), error);
  Release();
  QString why;
  if (!CommitSaveFile(file_, &why)) return Fail(why, error);
  return true;
}

bool Mp4AnimationWriter::Fail(const QString& reason, QString* error) {
  failed_ = true;
  if (error != nullptr) *error = reason;
  return false;
}
