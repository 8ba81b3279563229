#include "base/output_file.h"

#include "support/fifo_reader.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(OutputFile, OnlyRegularFilesAreReplacedEverythingElseIsWrittenStraight) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe");
  FifoReader reader(fifo);
  ASSERT_TRUE(reader.IsOpen());
  ASSERT_TRUE(WriteFileContents(dir.filePath("plain.csv"), "old"));
  ASSERT_TRUE(QFile::link(fifo, dir.filePath("pipe-link")));
  ASSERT_TRUE(QFile::link(dir.filePath("plain.csv"), dir.filePath("plain-link")));
  const struct {
    QString path;
    bool straight;
  } cases[] = {
      {fifo, true},
      {dir.filePath("pipe-link"), true},
      {"/dev/null", true},
      {"/dev/stdout", true},
      {"/proc/self/fd/1", true},
      {dir.filePath("plain.csv"), false},
      {dir.filePath("plain-link"), false},
      {dir.filePath("new.csv"), false},
  };
  for (const auto& [path, straight] : cases) EXPECT_EQ(IsStraightOutput(path), straight) << path.toStdString();

  ASSERT_TRUE(WriteOutputFile(fifo, "through the pipe"));
  EXPECT_EQ(reader.Finish(), "through the pipe");
  EXPECT_TRUE(IsFifo(fifo));
  ASSERT_TRUE(WriteOutputFile(dir.filePath("plain.csv"), "new"));
  EXPECT_EQ(FileContents(dir.filePath("plain.csv")), "new");
  // An output in a missing folder fails and says why.
  QString error;
  EXPECT_FALSE(WriteOutputFile(dir.filePath("missing/x.csv"), "x", &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(OutputFile, AnInputIsFoundByAnyPathThatNamesIt) {
  QTemporaryDir dir;
  const QString input = dir.filePath("in.csv");
  ASSERT_TRUE(WriteFileContents(input, "x"));
  ASSERT_TRUE(WriteFileContents(dir.filePath("other.csv"), "x"));
  ASSERT_TRUE(QFile::link(input, dir.filePath("soft.csv")));
  ASSERT_EQ(::link(QFile::encodeName(input).constData(), QFile::encodeName(dir.filePath("hard.csv")).constData()), 0);
  const QStringList inputs = {dir.filePath("other.csv"), input};
  for (const QString& same : {input, dir.path() + "/sub/../in.csv", dir.filePath("soft.csv"), dir.filePath("hard.csv")})
    EXPECT_EQ(InputNamedByOutput(same, inputs), input) << same.toStdString();
  for (const QString& other : {dir.filePath("new.csv"), QStringLiteral("/dev/stdout")})
    EXPECT_EQ(InputNamedByOutput(other, inputs), std::nullopt) << other.toStdString();
  // A missing input is still named by the same path.
  EXPECT_EQ(InputNamedByOutput(dir.filePath("gone.csv"), {dir.filePath("gone.csv")}), dir.filePath("gone.csv"));
}

}  // namespace
