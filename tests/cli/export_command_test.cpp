#include "cli/export_command.h"

#include "cli/render_command.h"
#include "cli/trace_command.h"
#include "support/command_run.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gif_lib.h>
extern "C" {
#include <libavformat/avformat.h>
}

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
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

// What a reader of the written animation finds in it; no count of pictures where the
// container does not keep one.
struct AnimationSummary {
  std::optional<int> pictures;
  double seconds = 0.0;
  int width = 0;
  int height = 0;
};

AnimationSummary ReadGif(const QString& path) {
  int code = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &code);
  if (gif == nullptr) return {};
  AnimationSummary summary;
  if (DGifSlurp(gif) == GIF_OK) {
    summary.pictures = gif->ImageCount;
    summary.width = gif->SWidth;
    summary.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock control{};
      if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) summary.seconds += control.DelayTime / 100.0;
    }
  }
  DGifCloseFile(gif, &code);
  return summary;
}

AnimationSummary ReadMp4(const QString& path) {
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) != 0) return {};
  AnimationSummary summary;
  if (avformat_find_stream_info(format, nullptr) >= 0 && format->nb_streams == 1) {
    const AVStream* stream = format->streams[0];
    summary.width = stream->codecpar->width;
    summary.height = stream->codecpar->height;
    summary.seconds = static_cast<double>(stream->duration) * av_q2d(stream->time_base);
    if (stream->nb_frames > 0) summary.pictures = static_cast<int>(stream->nb_frames);
  }
  avformat_close_input(&format);
  return summary;
}

}  // namespace

// A GIF has one picture for every two steps, an MP4 one for each; both last as long
// as the word, within one step (1/60 s) of the traced length.
TEST(ExportCommand, AnAnimationHasTheWordsPicturesAndDuration) {
  QTemporaryDir dir;
  const int steps = TracedSteps("hello");
  ASSERT_GT(steps, 10);
  const struct {
    const char* name;
    AnimationSummary (*read)(const QString&);
    int pictures;
  } cases[] = {{"hello.gif", ReadGif, (steps + 1) / 2}, {"hello.mp4", ReadMp4, steps}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString out = dir.filePath(c.name);
    const CommandRun run = RunCommand(RunExportCommand, Word(out));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Steps " + std::to_string(steps) + "\n");
    const AnimationSummary read = c.read(out);
    if (read.pictures) {
      EXPECT_EQ(*read.pictures, c.pictures);
    }
    EXPECT_EQ(read.width, 160);
    EXPECT_EQ(read.height, 120);
    EXPECT_NEAR(read.seconds, steps / 60.0, 1.0 / 60.0);
  }

  // What common players are given: an H.264 stream, every picture of it decodable.
  const QString probe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
  if (probe.isEmpty()) GTEST_SKIP() << "ffprobe is not installed; the stream was not probed";
  QProcess ffprobe;
  ffprobe.start(probe, {"-v", "error", "-select_streams", "v:0", "-count_frames", "-show_entries",
                        "stream=codec_name,nb_read_frames", "-of", "csv=p=0", dir.filePath("hello.mp4")});
  ASSERT_TRUE(ffprobe.waitForFinished(60000));
  EXPECT_EQ(ffprobe.exitCode(), 0) << ffprobe.readAllStandardError().toStdString();
  EXPECT_EQ(QString::fromUtf8(ffprobe.readAllStandardOutput()).trimmed().toStdString(),
            "h264," + std::to_string(steps));
}

TEST(ExportCommand, AFailedExportSaysWhyAndLeavesNoFile) {
  QTemporaryDir dir;
  // A folder that cannot be written in: here a file stands where the folder would be.
  ASSERT_TRUE(WriteFileContents(dir.filePath("blocked"), {}));
  for (const char* name : {"blocked/word.gif", "blocked/word.mp4", "missing/word.gif"}) {
    const CommandRun run = RunCommand(RunExportCommand, Word(dir.filePath(name)));
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find("Error "), std::string::npos) << run.err;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"blocked"});

  // A text with no movement writes nothing and leaves an earlier file as it was.
  const QString kept = dir.filePath("kept.gif");
  ASSERT_TRUE(WriteFileContents(kept, "earlier"));
  EXPECT_NE(RunCommand(RunExportCommand, Word(kept, QStringLiteral(" "))).status, 0);
  EXPECT_EQ(FileContents(kept), "earlier");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// A speed that rounds every move to no step, or a text with nothing to spell, draws
// nothing: each command that plays a text fails and names the cause rather than
// reporting an empty animation, an empty folder or the text as the fault.
TEST(ExportCommand, ATextThatDrawsNothingFailsNamingTheCause) {
  QTemporaryDir dir;
  const struct {
    const char* speed;
    QString text;
    std::string cause;
  } cases[] = {
      {"8000", QStringLiteral("hello"), "the speed leaves no step to draw"},
      {"32767", QStringLiteral("a"), "the speed leaves no step to draw"},
      {"400", QString(), "nothing in the text can be spelled"},
      {"400", QStringLiteral("\U0001F600"), "nothing in the text can be spelled"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.speed + (" " + c.text.toStdString()));
    const QStringList played{"--system", "2", "--angles", kAmericanAlphabet, "--speed", c.speed};
    const QString out = dir.filePath("word.gif");
    const CommandRun exported = RunCommand(RunExportCommand, played + QStringList{"--out", out, "--", c.text});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.err, "Error " + out.toStdString() + ": " + c.cause + "\n");
    EXPECT_FALSE(QFile::exists(out));

    const QString frames = dir.filePath("frames");
    const CommandRun rendered = RunCommand(
        RunRenderCommand, played + QStringList{"--size", "32x32", "--frames", frames, "--", c.text});
    EXPECT_EQ(rendered.status, 1);
    EXPECT_EQ(rendered.out, "Frames 0\n");
    EXPECT_EQ(rendered.err, "tovaro-cli render: " + c.cause + "\n");

    // The trace still shows what was played.
    const CommandRun traced = RunCommand(RunTraceCommand, played + QStringList{"--", c.text});
    EXPECT_EQ(traced.status, 1);
    EXPECT_TRUE(traced.out.ends_with("FrameCounter 0\n")) << traced.out;
    EXPECT_EQ(traced.err, "tovaro-cli trace: " + c.cause + "\n");
  }
}

TEST(ExportCommand, WrongUsage) {
  ExpectWrongUsage(RunExportCommand, "export",
                   {{"--system", "2", "--angles", "a.csv", "--speed", "400", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.png", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.gif",
                     "--size", "0x5", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "0", "--out", "x.gif", "hello"},
                    {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.gif"}},
                   "at most\n16384x16384");
  const CommandRun tooLarge =
      RunCommand(RunExportCommand, {"--system", "2", "--angles", "a.csv", "--speed", "400", "--out", "x.gif",
                                    "--size", "20000x20", "hello"});
  EXPECT_TRUE(tooLarge.err.starts_with("tovaro-cli export: --size allows at most 16384x16384")) << tooLarge.err;
}
