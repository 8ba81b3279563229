#include "cli/angles_command.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

CommandRun Angles(const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = RunAnglesCommand(arguments, {out, err});
  return {status, out.str(), err.str()};
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QString& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
  return path;
}

QString OneSign(int index, int columns) {
  return QStringLiteral("%1,S,1").arg(index) + QString(columns - 3, u',') + "\r\n" +
         QString(columns - 1, u',') + "\r\n";
}

}  // namespace

TEST(AnglesCommand, LoadsFilesInOrderIntoOneTableAndReportsEach) {
  QTemporaryDir dir;
  const QString first = WriteFile(dir, "a.csv", OneSign(0, 52) + OneSign(4, 52));
  const QString broken = WriteFile(dir, "b.csv", OneSign(9, 52) + "1,T,0" + QString(49, u',') + "\r\n");
  const QString second = WriteFile(dir, "c.csv", OneSign(1, 52));
  const QString out = dir.filePath("out.csv");
  const CommandRun run = Angles({"--hands", "1", first, broken, second, "--out", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "SignCount 5\nError " + broken.toStdString() +
                         ": line 3: frame count 0\nSignCount 2\n");
  // The table was never cleared between files: slots 0 and 1 are written.
  QFile saved(out);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(saved.readAll());
  EXPECT_TRUE(text.startsWith("0,S         ,1,"));
  EXPECT_EQ(text.count("\r\n"), 4);

  const QString twoHands = WriteFile(dir, "d.csv", OneSign(3, 103));
  const CommandRun good = Angles({"--hands", "2", twoHands});
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "SignCount 4\n");
  // A one-hand reading of a two-hand file falls out of step and is rejected.
  EXPECT_EQ(Angles({"--hands", "1", twoHands}).status, 1);
}

TEST(AnglesCommand, WrongUsagePrintsTheUsageAndExitsWith2) {
  for (const QStringList& arguments :
       {QStringList{}, QStringList{"x.csv"}, QStringList{"--hands", "3", "x.csv"},
        QStringList{"--hands", "1"}, QStringList{"--hands", "1", "--bogus", "x.csv"},
        QStringList{"--hands"}}) {
    const CommandRun run = Angles(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_NE(run.err.find("Usage: tovaro-cli angles"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  const CommandRun help = Angles({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--hands 1|2"), std::string::npos);
}
