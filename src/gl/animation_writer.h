#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// An animation file written one picture at a time, every picture showing for one
// step of the program's clock (1/60 s). Nothing appears at the path until Finish
// succeeds; a writer destroyed before that leaves no file behind.
class AnimationWriter {
 public:
  static constexpr int kStepsPerSecond = 60;

  virtual ~AnimationWriter() = default;
  // Whether the picture of step `step` (counted from 0) is used; the pictures of steps
  // it does not use may be passed without drawing them.
  virtual bool UsesStep(int step) const = 0;
  // False, with the reason in *error, when the picture could not be encoded or written.
  virtual bool AddPicture(const QImage& picture, QString* error) = 0;
  // Completes the file and puts it in place.
  virtual bool Finish(QString* error) = 0;
};

enum class AnimationFormat { Gif, Mp4 };

// The format a file name asks for by its extension (".gif", ".mp4", in any case).
std::optional<AnimationFormat> AnimationFormatOfPath(const QString& path);

// Said once when a writer has to do with less than it would like (an encoder missing).
using AnimationNote = std::function<void(const QString&)>;

// Opens a writer of `format` for pictures of `size`; null, with the reason in *error,
// when the file cannot be started.
std::unique_ptr<AnimationWriter> OpenAnimationWriter(AnimationFormat format, const QString& path,
                                                     QSize size, const AnimationNote& note,
                                                     QString* error);
