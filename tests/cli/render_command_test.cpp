#include "cli/render_command.h"

#include "app/app_state.h"
#include "render/offscreen_renderer.h"
#include "render/reference_chart.h"
#include "signdata/angle_file.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

CommandRun Render(const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = RunRenderCommand(arguments, {out, err});
  return {status, out.str(), err.str()};
}

// Slots 1 and 2 (two key frames) and no rest pose in slot 0... unless asked.
QString WriteTable(const QTemporaryDir& dir, bool withRest) {
  AppState state;
  state.HandCount = 1;
  state.ColumnCount = kOneHandColumns;
  auto put = [&state](int slot, const QString& name, int frames) {
    SignRecord& record = state.SignTable[slot];
    record.Name = FixedLengthName(name);
    record.FrameCount = static_cast<int16_t>(frames);
    record.Frames.assign(frames, KeyFrame{});
    for (KeyFrame& k : record.Frames) k.Rate = 1.0f;
  };
  if (withRest) put(0, "Rest", 1);
  put(1, "A", 1);
  put(2, "J", 2);
  state.SignTable[2].Frames[1].RightWristPos[1] = 40.0f;
  state.SignCount = 3;
  const QString path = dir.filePath(withRest ? "rest.csv" : "norest.csv");
  EXPECT_TRUE(SaveAngleFile(state, path));
  return path;
}

}  // namespace

TEST(RenderCommand, DrawsOneKeyFrameAtTheAskedSize) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, false);
  const QString out = dir.filePath("j.png");
  const CommandRun run = Render({"--angles", table, "--hands", "1", "--sign", "2", "--frame", "1",
                                 "--size", "200x150", "--view", "signer", "--out", out});
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage image(out);
  EXPECT_EQ(image.size(), QSize(200, 150));
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += qRed(image.pixel(x, y)) > 60;
  EXPECT_GT(lit, 200);

  // BMP by the suffix; the default size is 640x480.
  const QString bmp = dir.filePath("a.bmp");
  ASSERT_EQ(Render({"--angles", table, "--hands", "1", "--sign", "1", "--out", bmp}).status, 0);
  EXPECT_EQ(QImage(bmp).size(), QSize(640, 480));

  // A key frame that does not exist, and a file that does not.
  const CommandRun missing = Render({"--angles", table, "--hands", "1", "--sign", "2", "--frame", "2", "--out", out});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("sign 2 has no key frame 2"), std::string::npos);
  EXPECT_EQ(Render({"--angles", dir.filePath("none.csv"), "--hands", "1", "--sign", "1", "--out", out}).status, 1);
  EXPECT_EQ(Render({"--angles", table, "--hands", "1", "--sign", "1", "--out", dir.filePath("no/dir.png")}).status, 1);
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

  AppState state;
  state.HandCount = 1;
  state.ColumnCount = kOneHandColumns;
  ASSERT_TRUE(LoadAngleFile(state, WriteTable(dir, true)));
  const std::vector<ChartCell> cells = ChartCells(state);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0].Label(), "0 Rest 1/1");
  EXPECT_EQ(cells[3].Label(), "2 J 2/2");
}

TEST(RenderCommand, RejectsWrongUsage) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, true);
  const QString out = dir.filePath("x.png");
  auto status = [&](QStringList arguments) { return Render(arguments).status; };
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "1", "--chart", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "3", "--sign", "1", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "1", "--size", "0x10", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "1", "--size", "big", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "1", "--view", "above", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "1"}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--chart", "--frame", "1", "--out", out}), 2);
  EXPECT_EQ(status({"--angles", table, "--hands", "1", "--sign", "300", "--out", out}), 2);
  EXPECT_EQ(status({"--help"}), 0);
  EXPECT_FALSE(QFile::exists(out));
}
