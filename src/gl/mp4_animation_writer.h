#pragma once

#include "gl/animation_writer.h"

#include <QSaveFile>

#include <cstdint>

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
  bool failed_ = false;
};
