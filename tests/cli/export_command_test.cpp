#include "cli/export_command.h"

#include "cli/trace_command.h"
#include "support/command_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gif_lib.h>
extern "C" {
#include <libavformat/avformat.h>
}

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const QString kAmericanAlphabet = QStringLiteral(TOVARO_SOURCE_DIR "/data/PositionASL.csv");

QStringList Word(const QString& out, const QString& text = QStringLiteral("hello")) {
  return {"--system", "2", "--angles", kAmericanAlphabet, "--speed", "400", "--size", "160x120",
          "--out", out, text};
}

// The steps `trace` counts for the same word.
int TracedSteps(const QString& text) {
  const CommandRun run = RunCommand(RunTraceCommand, {"--system", "2", "--angles", kAmericanAlphabet,
                                                      "--speed", "400", text});
  const size_t at = run.out.rfind("FrameCounter ");
  return at == std::string::npos ? -1 : std::stoi(run.out.substr(at + 13));
}

struct GifSummary {
  int pictures = -1;
  int hundredths = 0;
  int width = 0;
  int height = 0;
};

GifSummary ReadGif(const QString& path) {
  int code = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &code);
  if (gif == nullptr) return {};
  GifSummary summary;
  if (DGifSlurp(gif) == GIF_OK) {
    summary.pictures = gif->ImageCount;
    summary.width = gif->SWidth;
    summary.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock control{};
      if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) summary.hundredths += control.DelayTime;
    }
  }
  DGifCloseFile(gif, &code);
  return summary;
}

}  // namespace

TEST(ExportCommand, AGifHasOnePictureForEveryTwoStepsAndTheWordsDuration) {
  QTemporaryDir dir;
  const QString out = dir.filePath("hello.gif");
  const CommandRun run = RunCommand(RunExportCommand, Word(out));
  ASSERT_EQ(run.status, 0) << run.err;
  const int steps = TracedSteps("hello");
  ASSERT_GT(steps, 10);
  EXPECT_EQ(run.out, "Steps " + std::to_string(steps) + "\n");

  const GifSummary gif = ReadGif(out);
  EXPECT_EQ(gif.pictures, (steps + 1) / 2);
  EXPECT_EQ(gif.width, 160);
  EXPECT_EQ(gif.height, 120);
  // Within one step (1/60 s) of the traced length.
  EXPECT_NEAR(gif.hundredths / 100.0, steps / 60.0, 1.0 / 60.0);
}

TEST(ExportCommand, AnMp4OpensWithTheWordsDuration) {
  QTemporaryDir dir;
  const QString out = dir.filePath("hello.mp4");
  const CommandRun run = RunCommand(RunExportCommand, Word(out));
  ASSERT_EQ(run.status, 0) << run.err;
  const int steps = TracedSteps("hello");

  AVFormatContext* format = nullptr;
  ASSERT_EQ(avformat_open_input(&format, QFile::encodeName(out).constData(), nullptr, nullptr), 0);
  ASSERT_GE(avformat_find_stream_info(format, nullptr), 0);
  ASSERT_EQ(format->nb_streams, 1u);
  const AVStream* stream = format->streams[0];
  EXPECT_EQ(stream->codecpar->width, 160);
  EXPECT_EQ(stream->codecpar->height, 120);
  const double seconds = static_cast<double>(stream->duration) * av_q2d(stream->time_base);
  EXPECT_NEAR(seconds, steps / 60.0, 1.0 / 60.0);
  if (stream->nb_frames > 0) {
    EXPECT_EQ(stream->nb_frames, steps);
  }
  avformat_close_input(&format);
}

TEST(ExportCommand, AFailedExportSaysWhyAndLeavesNoFile) {
  QTemporaryDir dir;
  // A folder that cannot be written in: here a file stands where the folder would be.
  QFile blocker(dir.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  for (const char* name : {"blocked/word.gif", "blocked/word.mp4", "missing/word.gif"}) {
    const CommandRun run = RunCommand(RunExportCommand, Word(dir.filePath(name)));
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find("Error "), std::string::npos) << run.err;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"blocked"});

  // A text with no movement writes nothing and leaves an earlier file as it was.
  const QString kept = dir.filePath("kept.gif");
  QFile earlier(kept);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier");
  earlier.close();
  const CommandRun empty = RunCommand(RunExportCommand, Word(kept, QStringLiteral(" ")));
  EXPECT_NE(empty.status, 0);
  QFile reread(kept);
  ASSERT_TRUE(reread.open(QIODevice::ReadOnly));
  EXPECT_EQ(reread.readAll(), QByteArray("earlier"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(ExportCommand, WrongUsage) {
  ExpectWrongUsage(RunExportCommand, "export",
                   {{"--system", "2", "--angles", "a.csv", "--speed", "400", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.png", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.gif",
                     "--size", "0x5", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "0", "--out", "x.gif", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.gif"}},
                   "export");
}
