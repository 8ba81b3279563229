#include "cli/lint_command.h"
#include "cli/shapes_command.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

template <typename Command>
CommandRun Invoke(Command command, const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = command(arguments, {out, err});
  return {status, out.str(), err.str()};
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QString& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
  return path;
}

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
  const QString source = WriteFile(dir, "a.shapes", kSource);
  const QString csv = dir.filePath("a.csv");
  const CommandRun built = Invoke(RunShapesCommand, {source, "--out", csv});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.out, "SignCount 2\n");
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("0,Rest      ,1,"));

  const CommandRun lint = Invoke(RunLintCommand, {"--angles", csv, "--hands", "1"});
  EXPECT_EQ(lint.status, 1);
  EXPECT_EQ(lint.out.rfind("slot 1 \"Bad\" key frame 1 of 1, right hand: index finger ", 0), 0u) << lint.out;
  EXPECT_EQ(lint.out.find("slot 0"), std::string::npos);
  // One line per problem.
  EXPECT_GT(std::count(lint.out.begin(), lint.out.end(), '\n'), 0);

  const QString clean = WriteFile(dir, "b.shapes", QString(kSource).section("sign 1", 0, 0));
  ASSERT_EQ(Invoke(RunShapesCommand, {clean, "--out", csv}).status, 0);
  const CommandRun good = Invoke(RunLintCommand, {"--angles", csv, "--hands", "1"});
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "");
}

TEST(ShapeCommands, ReportErrorsAndWrongUsage) {
  QTemporaryDir dir;
  const QString broken = WriteFile(dir, "c.shapes", "hands 1\nsign 0 A\nframe index=bent\n");
  const QString csv = dir.filePath("c.csv");
  const CommandRun run = Invoke(RunShapesCommand, {broken, "--out", csv});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error " + broken.toStdString() + ": line 3: unknown finger state 'bent'\n");
  EXPECT_FALSE(QFile::exists(csv));
  EXPECT_EQ(Invoke(RunShapesCommand, {dir.filePath("none.shapes"), "--out", csv}).status, 1);
  EXPECT_EQ(Invoke(RunShapesCommand, {broken}).status, 2);
  EXPECT_EQ(Invoke(RunShapesCommand, {"--out", csv}).status, 2);

  EXPECT_EQ(Invoke(RunLintCommand, {"--angles", csv, "--hands", "1"}).status, 1);  // no such file
  EXPECT_EQ(Invoke(RunLintCommand, {"--angles", csv}).status, 2);
  EXPECT_EQ(Invoke(RunLintCommand, {"--hands", "1"}).status, 2);
  EXPECT_EQ(Invoke(RunLintCommand, {"--hands", "1", "--angles", csv, "extra"}).status, 2);
  EXPECT_EQ(Invoke(RunLintCommand, {"--help"}).status, 0);
}
