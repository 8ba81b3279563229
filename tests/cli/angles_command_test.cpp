#include "cli/angles_command.h"

#include "support/command_run.h"
#include "support/file_contents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CommandRun Angles(const QStringList& arguments) { return RunCommand(RunAnglesCommand, arguments); }

QString OneSign(int index, int columns) {
  return QStringLiteral("%1,S,1").arg(index) + QString(columns - 3, u',') + "\r\n" +
         QString(columns - 1, u',') + "\r\n";
}

}  // namespace

TEST(AnglesCommand, LoadsFilesInOrderIntoOneTableAndReportsEach) {
  QTemporaryDir dir;
  const QString first = dir.filePath("a.csv");
  const QString broken = dir.filePath("b.csv");
  const QString second = dir.filePath("c.csv");
  ASSERT_TRUE(WriteFileContents(first, (OneSign(0, 52) + OneSign(4, 52)).toUtf8()));
  ASSERT_TRUE(WriteFileContents(broken, (OneSign(9, 52) + "1,T,0" + QString(49, u',') + "\r\n").toUtf8()));
  ASSERT_TRUE(WriteFileContents(second, OneSign(1, 52).toUtf8()));
  const QString out = dir.filePath("out.csv");
  const CommandRun run = Angles({"--hands", "1", first, broken, second});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "SignCount 5\nError " + broken.toStdString() +
                         ": line 3: frame count 0\nSignCount 2\n");
  // The table was never cleared between files: slots 0 and 1 are written.
  ASSERT_EQ(Angles({"--hands", "1", first, second, "--out", out}).status, 0);
  const QByteArray saved = FileContents(out);
  EXPECT_TRUE(saved.startsWith("0,S         ,1,"));
  EXPECT_EQ(saved.count("\r\n"), 4);

  const QString twoHands = dir.filePath("d.csv");
  ASSERT_TRUE(WriteFileContents(twoHands, OneSign(3, 103).toUtf8()));
  const CommandRun good = Angles({"--hands", "2", twoHands});
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "SignCount 4\n");
  // A one-hand reading of a two-hand file falls out of step and is rejected.
  EXPECT_EQ(Angles({"--hands", "1", twoHands}).status, 1);
}

TEST(AnglesCommand, WrongUsagePrintsTheUsageAndExitsWith2) {
  ExpectWrongUsage(RunAnglesCommand, "angles",
                   {{}, {"x.csv"}, {"--hands", "3", "x.csv"}, {"--hands", "1"},
                    {"--hands", "1", "--bogus", "x.csv"}, {"--hands"}},
                   "--hands 1|2");
}
