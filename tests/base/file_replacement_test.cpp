#include "base/file_replacement.h"

#include "support/file_contents.h"
#include "support/child_write.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(FileReplacement, ReplacesTheWholeFileOrNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("table.csv"));
  ASSERT_TRUE(ReplaceFile(path, "first\r\n"));
  ASSERT_TRUE(ReplaceFile(path, "second, longer\r\n"));
  EXPECT_EQ(FileContents(path), "second, longer\r\n");
  ASSERT_TRUE(ReplaceFile(path, ""));
  EXPECT_EQ(FileContents(path), "");

  // A write that stops part way, as on a full disk, leaves the file as it was and says
  // why in the system's words, not "Unknown error". Small contents stay in the write
  // buffer until the end, large ones do not.
  ASSERT_TRUE(ReplaceFile(path, "kept\r\n"));
  for (const qsizetype size : {500, 200000}) {
    const std::optional<WriteOutcome> written = WithDiskFullAfter(100, [&] {
      WriteOutcome outcome;
      outcome.written = ReplaceFile(path, QByteArray(size, 'x'), &outcome.reason);
      return outcome;
    });
    ASSERT_TRUE(written.has_value());
    EXPECT_FALSE(written->written) << size;
    EXPECT_EQ(written->reason, QString::fromLocal8Bit(std::strerror(EFBIG))) << size;
    EXPECT_EQ(FileContents(path), "kept\r\n") << size;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("table.csv")});

  QString error;
  EXPECT_FALSE(ReplaceFile(dir.filePath(QStringLiteral("missing/table.csv")), "x", &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
