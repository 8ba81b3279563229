#include "base/file_replacement.h"

#include "support/file_contents.h"
#include "support/file_size_limit.h"

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

  // A write that stops part way, as on a full disk, leaves the file as it was and says so.
  // Small contents stay in the write buffer until the end, large ones do not.
  ASSERT_TRUE(ReplaceFile(path, "kept\r\n"));
  for (const qsizetype size : {500, 200000}) {
    const std::optional<bool> written =
        WithFileSizeLimit(100, [&] { return ReplaceFile(path, QByteArray(size, 'x')); });
    ASSERT_TRUE(written.has_value());
    EXPECT_FALSE(*written) << size;
    EXPECT_EQ(FileContents(path), "kept\r\n") << size;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("table.csv")});

  // The reason is the system's, not "Unknown error".
  for (const qsizetype size : {500, 200000}) {
    const std::optional<bool> saysTooLarge = WithFileSizeLimit(100, [&] {
      QString why;
      return !ReplaceFile(path, QByteArray(size, 'x'), &why) && why == QString::fromLocal8Bit(std::strerror(EFBIG));
    });
    EXPECT_EQ(saysTooLarge, true) << size;
  }

  QString error;
  EXPECT_FALSE(ReplaceFile(dir.filePath(QStringLiteral("missing/table.csv")), "x", &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
