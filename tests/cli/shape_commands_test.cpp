#include "cli/lint_command.h"
#include "cli/shapes_command.h"

#include "support/command_run.h"
#include "support/file_contents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const kSource =
    "hands 1\n"
    "finger straight flex 0 0 0\n"
    "finger swung spread 30\n"
    "thumb out spread -50\n"
    "sign 0 Rest\n"
    "frame fingers=straight thumb=out\n"
    "sign 1 Bad\n"
    "frame fingers=straight index=swung thumb=out\n";

}  // namespace

TEST(ShapeCommands, ShapesWritesTheAngleFileAndLintFindsTheFault) {
  QTemporaryDir dir;
  const QString source = dir.filePath("a.shapes");
  ASSERT_TRUE(WriteFileContents(source, kSource));
  const QString csv = dir.filePath("a.csv");
  const CommandRun built = RunCommand(RunShapesCommand, {source, "--out", csv});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.out, "SignCount 2\n");
  EXPECT_TRUE(FileContents(csv).startsWith("0,Rest      ,1,"));

  const CommandRun lint = RunCommand(RunLintCommand, {"--angles", csv, "--hands", "1"});
  EXPECT_EQ(lint.status, 1);
  EXPECT_EQ(lint.out.rfind("slot 1 \"Bad\" key frame 1 of 1, right hand: index finger ", 0), 0u) << lint.out;
  EXPECT_EQ(lint.out.find("slot 0"), std::string::npos);
  // One line per problem.
  EXPECT_GT(std::count(lint.out.begin(), lint.out.end(), '\n'), 0);

  const QString clean = dir.filePath("b.shapes");
  ASSERT_TRUE(WriteFileContents(clean, QString(kSource).section("sign 1", 0, 0).toUtf8()));
  ASSERT_EQ(RunCommand(RunShapesCommand, {clean, "--out", csv}).status, 0);
  const CommandRun good = RunCommand(RunLintCommand, {"--angles", csv, "--hands", "1"});
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "");
}

TEST(ShapeCommands, ReportErrorsAndWrongUsage) {
  QTemporaryDir dir;
  const QString broken = dir.filePath("c.shapes");
  ASSERT_TRUE(WriteFileContents(broken, "hands 1\nsign 0 A\nframe index=bent\n"));
  const QString csv = dir.filePath("c.csv");
  const CommandRun run = RunCommand(RunShapesCommand, {broken, "--out", csv});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error " + broken.toStdString() + ": line 3: unknown finger state 'bent'\n");
  // Nothing written on a failure, a missing source too: command_output_test.
  ExpectWrongUsage(RunShapesCommand, "shapes", {{broken}, {"--out", csv}}, "--out");

  EXPECT_EQ(RunCommand(RunLintCommand, {"--angles", csv, "--hands", "1"}).status, 1);  // no such file
  ExpectWrongUsage(RunLintCommand, "lint",
                   {{"--angles", csv}, {"--hands", "1"}, {"--hands", "1", "--angles", csv, "extra"}},
                   "--hands 1|2");
}
