#include "cli/angles_command.h"
#include "cli/shapes_command.h"

#include "support/command_run.h"
#include "support/fifo_reader.h"
#include "support/file_contents.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace {

const QByteArray kGoodTable = "0,Rest      ,1" + QByteArray(49, ',') + "\r\n" + QByteArray(51, ',') + " 0 \r\n";

// A folder holding a good angle file, a broken one, a good source including
// states.shapes, a broken source and an output file with known contents.
struct CommandFolder {
  QTemporaryDir dir;
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  CommandFolder() {
    EXPECT_TRUE(WriteFileContents(Path("good.csv"), kGoodTable));
    EXPECT_TRUE(WriteFileContents(Path("broken.csv"), "0,A,0" + QByteArray(49, ',') + "\r\n"));
    EXPECT_TRUE(WriteFileContents(Path("states.shapes"), "finger straight flex 0 0 0\n"));
    EXPECT_TRUE(WriteFileContents(Path("main.shapes"),
                                  "hands 1\ninclude states.shapes\nsign 0 Rest\nframe fingers=straight\n"));
    EXPECT_TRUE(WriteFileContents(Path("broken.shapes"), "hands 1\nsign 0 A\nframe index=bent\n"));
    EXPECT_TRUE(WriteFileContents(Path("out.csv"), "kept\r\n"));
  }
};

}  // namespace

// A table missing a file's signs, or no table at all, must never replace a good file.
TEST(CommandOutput, NothingIsWrittenWhenAnInputFailed) {
  CommandFolder folder;
  const QString out = folder.Path("out.csv");
  const struct {
    Subcommand command;
    QStringList arguments;
  } cases[] = {
      {RunAnglesCommand, {"--hands", "1", folder.Path("broken.csv"), "--out", out}},
      {RunAnglesCommand, {"--hands", "1", folder.Path("missing.csv"), "--out", out}},
      {RunAnglesCommand, {"--hands", "1", folder.Path("good.csv"), folder.Path("broken.csv"), "--out", out}},
      {RunAnglesCommand, {"--hands", "2", folder.Path("good.csv"), "--out", out}},
      {RunShapesCommand, {folder.Path("broken.shapes"), "--out", out}},
      {RunShapesCommand, {folder.Path("missing.shapes"), "--out", out}},
  };
  for (const auto& [command, arguments] : cases) {
    const CommandRun run = RunCommand(command, arguments);
    EXPECT_EQ(run.status, 1) << arguments.join(u' ').toStdString();
    EXPECT_EQ(FileContents(out), "kept\r\n") << arguments.join(u' ').toStdString();
  }
  const CommandRun angles = RunCommand(RunAnglesCommand, cases[0].arguments);
  EXPECT_EQ(angles.err, "Error " + out.toStdString() + ": not written, as a FILE could not be loaded\n");
}

// Whatever path names it (every way a path can name a file: output_file_test), a
// command's own input is never its output, nor a file a source includes.
TEST(CommandOutput, AnOutputNamingAnInputIsWrongUsage) {
  CommandFolder folder;
  ASSERT_TRUE(QFile::link(folder.Path("good.csv"), folder.Path("link.csv")));
  const QString good = folder.Path("good.csv");
  ExpectWrongUsage(RunAnglesCommand, "angles",
                   {{"--hands", "1", good, "--out", good},
                    {"--hands", "1", folder.Path("out.csv"), good, "--out", folder.Path("link.csv")}},
                   "--out");
  EXPECT_EQ(FileContents(good), kGoodTable);

  const QString source = folder.Path("main.shapes");
  const QByteArray sourceText = FileContents(source);
  ExpectWrongUsage(RunShapesCommand, "shapes",
                   {{source, "--out", source}, {source, "--out", folder.Path("states.shapes")}}, "--out");
  EXPECT_EQ(FileContents(source), sourceText);
  EXPECT_EQ(FileContents(folder.Path("states.shapes")), "finger straight flex 0 0 0\n");
}

// A rename would put a regular file where the FIFO was, and its reader would get nothing.
TEST(CommandOutput, AFifoIsWrittenStraightInto) {
  CommandFolder folder;
  const struct {
    Subcommand command;
    QStringList arguments;
    const char* name;
  } cases[] = {
      {RunAnglesCommand, {"--hands", "1", folder.Path("good.csv"), "--out"}, "angles.fifo"},
      {RunShapesCommand, {folder.Path("main.shapes"), "--out"}, "shapes.fifo"},
  };
  for (const auto& [command, arguments, name] : cases) {
    const QString plain = folder.Path("plain.csv");
    ASSERT_EQ(RunCommand(command, QStringList(arguments) << plain).status, 0);
    const QString fifo = folder.Path(name);
    FifoReader reader(fifo);
    ASSERT_TRUE(reader.IsOpen());
    const CommandRun run = RunCommand(command, QStringList(arguments) << fifo);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(reader.Finish(), FileContents(plain)) << name;
    EXPECT_TRUE(IsFifo(fifo)) << name;
  }
}
