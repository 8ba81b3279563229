#include "cli/render_command.h"

#include "signdata/sign_table.h"
#include "gl/offscreen_renderer.h"
#include "gl/reference_chart.h"
#include "signdata/angle_file.h"
#include "gl/picture_file.h"
#include "support/command_run.h"
#include "support/fifo_reader.h"
#include "support/file_contents.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CommandRun Render(const QStringList& arguments) { return RunCommand(RunRenderCommand, arguments); }

// Slots 1 and 2 (two key frames) and no rest pose in slot 0... unless asked.
QString WriteTable(const QTemporaryDir& dir, bool withRest) {
  SignTable state;
  state.HandCount = 1;
  state.ColumnCount = kOneHandColumns;
  auto put = [&state](int slot, const QString& name, int frames) {
    SignRecord& record = state.Signs[slot];
    record.Name = FixedLengthName(name);
    record.FrameCount = static_cast<int16_t>(frames);
    record.Frames.assign(frames, KeyFrame{});
    for (KeyFrame& k : record.Frames) k.Rate = 1.0f;
  };
  if (withRest) put(0, "Rest", 1);
  put(1, "A", 1);
  put(2, "J", 2);
  state.Signs[2].Frames[1].RightWristPos[1] = 40.0f;
  state.SignCount = 3;
  const QString path = dir.filePath(withRest ? "rest.csv" : "norest.csv");
  EXPECT_TRUE(SaveAngleFile(state, path));
  return path;
}

bool AngleFileLoads(const QString& path) {
  SignTable state = SignTable::WithHands(1);
  return static_cast<bool>(LoadAngleFile(state, path));
}

}  // namespace

// The picture goes into a FIFO as it is, where a rename would have replaced it.
TEST(RenderCommand, DrawsOneKeyFrameAtTheAskedSizeStraightIntoAFifo) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, false);
  const QString fifo = dir.filePath("j.png");
  FifoReader reader(fifo);
  ASSERT_TRUE(reader.IsOpen());
  const QStringList keyFrame = {"--angles", table, "--hands", "1", "--sign", "2", "--frame", "1",
                                "--size", "200x150", "--view", "signer", "--out"};
  const CommandRun run = Render(QStringList(keyFrame) << fifo);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  QImage image;
  EXPECT_TRUE(image.loadFromData(reader.Finish(), "PNG"));
  EXPECT_TRUE(IsFifo(fifo));
  EXPECT_EQ(image.size(), QSize(200, 150));
  const auto lit = [](const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) count += qRed(picture.pixel(x, y)) > 60;
    return count;
  };
  EXPECT_GT(lit(image), 200);

  // The Natural hands when asked, the Classic ones above by default.
  const QString natural = dir.filePath("natural.png");
  const CommandRun drawn = Render(QStringList(keyFrame) << natural << "--appearance" << "natural");
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(drawn.err.empty()) << drawn.err;
  EXPECT_GT(lit(QImage(natural)), 200);
  EXPECT_NE(QImage(natural).convertToFormat(image.format()), image);

  // BMP by the suffix; the default size is 640x480.
  const QString bmp = dir.filePath("a.bmp");
  ASSERT_EQ(Render({"--angles", table, "--hands", "1", "--sign", "1", "--out", bmp}).status, 0);
  EXPECT_EQ(QImage(bmp).size(), QSize(640, 480));
}

TEST(RenderCommand, DrawsAChartOfEveryKeyFrameEvenWithoutARestPose) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, false);
  const QString out = dir.filePath("chart.png");
  const CommandRun run = Render({"--angles", table, "--hands", "1", "--chart", "--columns", "2",
                                 "--size", "100x80", "--out", out});
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage chart(out);
  // Three cells (A, J 1/2, J 2/2), two to a row: two rows of picture and label.
  EXPECT_EQ(chart.width(), 200);
  EXPECT_GT(chart.height(), 160);
  EXPECT_LT(chart.height(), 240);

  SignTable state = SignTable::WithHands(1);
  ASSERT_TRUE(LoadAngleFile(state, WriteTable(dir, true)));
  const std::vector<ChartCell> cells = ChartCells(state);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0].Label(), "0 Rest 1/1");
  EXPECT_EQ(cells[3].Label(), "2 J 2/2");
}

// Neither wrong usage nor a failure writes a picture.
TEST(RenderCommand, RejectsWrongUsageAndReportsWhatCannotBeDrawn) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, true);
  const QString out = dir.filePath("x.png");
  const QString frames = dir.filePath("f");
  ExpectWrongUsage(
      RunRenderCommand, "render",
      {{"--angles", table, "--hands", "1", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--chart", "--out", out},
       {"--angles", table, "--hands", "3", "--sign", "1", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--size", "0x10", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--size", "big", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--view", "above", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--appearance", "shiny", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1"},
       {"--angles", table, "--hands", "1", "--chart", "--frame", "1", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "300", "--out", out},
       {"--system", "2", "--angles", table, "--speed", "100", "--frames", frames, "--format", "gif", "a"},
       {"--system", "9", "--angles", table, "--speed", "100", "--frames", frames, "a"},
       {"--system", "2", "--angles", table, "--speed", "0", "--frames", frames, "a"},
       {"--system", "2", "--angles", table, "--speed", "100", "--frames", frames},
       {"--system", "2", "--roman", "--angles", table, "--speed", "100", "--frames", frames, "a"},
       {"--system", "2", "--hands", "1", "--angles", table, "--speed", "100", "--frames", frames, "a"},
       // Turns that are no number drew a black picture.
       {"--angles", table, "--hands", "1", "--sign", "1", "--azimuth", "nan", "--out", out},
       {"--angles", table, "--hands", "1", "--sign", "1", "--elevation", "-inf", "--out", out},
       {"--angles", table, "--hands", "1", "--chart", "--azimuth", "NaN", "--out", out},
       // The picture may not replace the table it is drawn from.
       {"--angles", table, "--hands", "1", "--sign", "1", "--out", table},
       {"--angles", table, "--hands", "1", "--chart", "--out", table}},
      "--chart");
  EXPECT_TRUE(AngleFileLoads(table));
  EXPECT_FALSE(QFile::exists(frames));

  // A size too large to draw names the largest there is, as the help does; one that is
  // no size at all keeps saying what a size looks like.
  const struct {
    QString size;
    std::string says;
  } sizes[] = {{"100000x100000", "--size allows at most 16384x16384"},
               {"16385x1", "--size allows at most 16384x16384"},
               {"99999999999999999999x2", "--size allows at most 16384x16384"},
               {"0x16385", "--size must be WxH, for example 640x480"},
               {"-5x10", "--size must be WxH, for example 640x480"}};
  for (const auto& c : sizes) {
    const CommandRun run = Render({"--angles", table, "--hands", "1", "--sign", "1", "--size", c.size, "--out", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("tovaro-cli render: " + c.says)) << run.err;
  }
  EXPECT_NE(Render({"--help"}).out.find("larger than 16384 pixels"), std::string::npos);

  // What cannot be drawn is reported with status 1: a pose or a table that does not
  // exist, a folder that does not, a text the converter rejects (the frames say so on
  // standard output), and a chart too large to make, which is refused before anything
  // is allocated or drawn, saying what is too large.
  const QString none = dir.filePath("none.csv");
  const struct {
    QStringList arguments;
    std::string out;  // all of standard output
    std::string err;  // part of standard error
  } failures[] = {
      {{"--angles", table, "--hands", "1", "--sign", "2", "--frame", "2", "--out", out}, "",
       "sign 2 has no key frame 2"},
      {{"--angles", none, "--hands", "1", "--sign", "1", "--out", out}, "", "none.csv"},
      {{"--angles", table, "--hands", "1", "--sign", "1", "--out", dir.filePath("no/dir.png")}, "", "no/dir.png"},
      {{"--system", "2", "--angles", none, "--speed", "100", "--frames", frames, "a"},
       "Error " + none.toStdString() + ": cannot open: No such file or directory\n", ""},
      {{"--system", "4", "--angles", table, "--speed", "100", "--roman", "--frames", frames, "xq"},
       "Result False\n", ""},
      {{"--angles", table, "--hands", "1", "--chart", "--columns", "1", "--size", "16384x16384", "--out", out}, "",
       "tovaro-cli render: cannot draw the chart of 4 key frames: the picture would be "
       "16384x72816 pixels, more than 32767 on a side\n"},
  };
  for (const auto& failure : failures) {
    const CommandRun run = Render(failure.arguments);
    const std::string arguments = failure.arguments.join(u' ').toStdString();
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_EQ(run.out, failure.out) << arguments;
    EXPECT_NE(run.err.find(failure.err), std::string::npos) << run.err;
  }
  EXPECT_FALSE(QFile::exists(out));
  EXPECT_TRUE(QDir(frames).entryList(QDir::Files).isEmpty());
}

TEST(RenderCommand, WritesEveryAnimationStepOfATextAsNumberedPictures) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, true);
  // "abb": A, then B twice (a doubled letter: its own steps plus two bounces each).
  // Slot 2 has two key frames; at speed 1000 the delay is 4 steps.
  const QString frames = dir.filePath("steps/abb");
  const CommandRun run = Render({"--system", "2", "--angles", table, "--speed", "1000",
                                 "--frames", frames, "--size", "64x48", "abb"});
  ASSERT_EQ(run.status, 0) << run.err;
  // Per key frame 5 pictures (4 steps); the two-frame B gets no bounce, so
  // A: 5, B: 5 + 5, B: 5 + 5 = 25.
  EXPECT_EQ(run.out, "Frames 25\n");
  QDir written(frames);
  const QStringList files = written.entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 25);
  EXPECT_EQ(files.first(), "000.png");
  EXPECT_EQ(files.last(), "024.png");
  EXPECT_EQ(QImage(written.filePath("012.png")).size(), QSize(64, 48));

  const auto bitmapsOfA = [&table](const QString& folder) {
    return Render({"--system", "3", "--angles", table, "--speed", "1000", "--frames", folder, "--format", "bmp",
                   "--size", "32x32", "a"});
  };
  const QString bitmaps = dir.filePath("bmp");
  ASSERT_EQ(bitmapsOfA(bitmaps).status, 0);
  EXPECT_EQ(QDir(bitmaps).entryList(QDir::Files), (QStringList{"000.bmp", "001.bmp", "002.bmp", "003.bmp", "004.bmp"}));

  // A folder where the third picture belongs: recording stops there, and the picture
  // that failed is named with the reason.
  const QString blocked = dir.filePath("blocked");
  ASSERT_TRUE(QDir().mkpath(blocked + "/002.bmp"));
  const CommandRun failed = bitmapsOfA(blocked);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "Frames 2\n");
  EXPECT_NE(failed.err.find("cannot write " + QDir(blocked).absoluteFilePath("002.bmp").toStdString() + ": "),
            std::string::npos)
      << failed.err;
}

// Numbered pictures of an earlier run would pass for later steps of this one: a folder
// holding any is refused, and --replace removes those pictures and nothing else.
TEST(RenderCommand, AFramesFolderHoldingNumberedPicturesIsReplacedOnlyWhenAsked) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, true);
  const QString folder = dir.filePath("earlier");
  ASSERT_TRUE(QDir().mkpath(folder + "/100.png"));  // a folder, not a picture
  const QStringList kept{"050.png", "999.bmp", "1000.png", "12.png", "050.png.txt", "notes.txt"};
  for (const QString& name : kept) ASSERT_TRUE(WriteFileContents(QDir(folder).filePath(name), "earlier"));
  const QStringList word{"--system", "3", "--angles", table, "--speed", "1000", "--size", "16x16",
                         "--frames", folder, "a"};

  const CommandRun refused = Render(word);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("already holds numbered pictures (050.png, ...); give --replace"), std::string::npos)
      << refused.err;
  EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{"050.png", "050.png.txt", "1000.png",
                                                                           "12.png", "999.bmp", "notes.txt"}));

  const CommandRun replaced = Render(word + QStringList{"--replace"});
  ASSERT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(replaced.out, "Frames 5\n");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
            (QStringList{"000.png", "001.png", "002.png", "003.png", "004.png", "050.png.txt", "100.png", "12.png",
                         "notes.txt"}));
  EXPECT_EQ(FileContents(QDir(folder).filePath("notes.txt")), "earlier");
}

// A chart can be made when each side of its picture fits and the whole picture does.
TEST(RenderCommand, AChartFitsOnlyWhenEachSideAndTheWholeDo) {
  const struct {
    size_t cells;
    int columns;
    int side;
    bool fits;
  } charts[] = {
      {4 * 32767, 6, 320, false},  // a tall chart of every key frame of four long signs
      {256, 256, 16384, false},    // a wide one
      {2000, 48, 640, false},      // each side fits, the whole does not
      {28, 6, 320, true},
      {1, 1, 8192, true},
  };
  for (const auto& [cells, columns, side, fits] : charts) {
    const ChartExtent extent = ChartPictureExtent(cells, columns, side, side);
    EXPECT_EQ(!PictureSizeProblem(extent.width, extent.height), fits) << cells << " " << columns;
  }
}
