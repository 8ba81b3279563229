#pragma once

#include "gl/animation_writer.h"

#include <QImage>
#include <QSaveFile>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;
struct AVStream;
struct SwsContext;

// A video in an MP4 container at 60 pictures a second: H.264 through libavcodec, or
// MPEG-4 Part 2 where this FFmpeg has no H.264 encoder. Both need even sides, so an odd
// width or height loses its last column or row.
//
// The pictures are encoded on a thread of the writer's own, through a short queue of
// copies made once, so the next picture is drawn while the last is encoded.
class Mp4AnimationWriter : public AnimationWriter {
 public:
  static std::unique_ptr<Mp4AnimationWriter> Open(const QString& path, QSize size,
                                                  const AnimationNote& note, QString* error);
  ~Mp4AnimationWriter() override;

  bool UsesStep(int) const override { return true; }
  bool AddPicture(const QImage& picture, QString* error) override;
  bool Finish(QString* error) override;

 private:
  Mp4AnimationWriter(const QString& path, QSize size);
  bool Start(const AnimationNote& note, QString* error);
  bool Encode(AVFrame* frame, QString* error);
  // The encoding thread: takes the queued pictures in turn until told to end or one
  // fails.
  void EncodeQueued();
  // Ends the encoding thread once the pictures queued are encoded; false, with the
  // reason, when one of them failed.
  bool StopEncoding(QString* error);
  bool Fail(const QString& reason, QString* error);
  void Release();

  static int WriteBytes(void* opaque, uint8_t* data, int size);
  static int64_t Seek(void* opaque, int64_t offset, int whence);

  QSaveFile file_;
  QSize size_;   // of the pictures given
  QSize video_;  // even sides
  AVFormatContext* format_ = nullptr;
  AVIOContext* io_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVStream* stream_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  SwsContext* scaler_ = nullptr;
  int64_t next_ = 0;
  bool headerWritten_ = false;
  // Set by either thread: the encoder's failures go through Fail as well.
  std::atomic<bool> failed_ = false;

  // Copies waiting for the encoder, by their place in `queued_`; the rest are free.
  static constexpr size_t kQueued = 4;
  std::array<QImage, kQueued> queued_;
  std::deque<size_t> waiting_;
  std::deque<size_t> free_;
  std::mutex queueLock_;
  std::condition_variable queueChanged_;
  bool ending_ = false;
  QString encoderFailure_;  // set once by the encoding thread
  std::thread encoder_;
};
