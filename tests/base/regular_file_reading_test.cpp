#include "base/regular_file_reading.h"

#include "signdata/sign_table.h"
#include "shell/settings_file.h"
#include "signdata/angle_file.h"
#include "signdata/shape_authoring.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// What each reader says of a path: the angle file's and shape source's reasons, and
// whether the settings were read.
struct Readings {
  QString angles;
  QString shapes;
  bool settings = false;
};

Readings ReadWithEveryReader(const QString& path) {
  SignTable state = SignTable::WithHands(1);
  Readings readings;
  readings.angles = LoadAngleFile(state, path).reason;
  readings.shapes = ParseShapeAuthoringFile(path).error;
  Settings settings;
  readings.settings = ReadSettings(path, settings);
  return readings;
}

// A FIFO with no writer would block a reader for ever, /dev/zero would fill the memory.
TEST(RegularFileReading, ReadersRefuseWhatIsNotARegularFile) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.filePath("folder")}) {
    const Readings readings = ReadWithEveryReader(path);
    EXPECT_EQ(readings.angles, "not a regular file") << path.toStdString();
    EXPECT_EQ(readings.shapes, "not a regular file") << path.toStdString();
    EXPECT_FALSE(readings.settings) << path.toStdString();
  }
}

TEST(RegularFileReading, FilesAboveTheirReadersLimitAreRefusedUnread) {
  QTemporaryDir dir;
  const struct {
    qint64 size;
    const char* angles;
    const char* shapes;
    bool settings;
  } cases[] = {
      {(qint64{1} << 20) + 1, "", "", false},
      {(qint64{16} << 20) + 1, "", "larger than 16 MiB", false},
      {(qint64{64} << 20) + 1, "larger than 64 MiB", "larger than 16 MiB", false},
  };
  for (const auto& [size, angles, shapes, settings] : cases) {
    // Sparse: the size costs no disk space and, refused unread, no time.
    const QString path = dir.filePath(QStringLiteral("big%1").arg(size));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    file.close();
    const Readings readings = ReadWithEveryReader(path);
    if (*angles) {
      EXPECT_EQ(readings.angles, angles) << size;
    }
    if (*shapes) {
      EXPECT_EQ(readings.shapes, shapes) << size;
    }
    EXPECT_EQ(readings.settings, settings) << size;
  }

  const auto small = ReadRegularFile(dir.filePath("big1048577"), qint64{2} << 20);
  ASSERT_TRUE(std::holds_alternative<QByteArray>(small));
  EXPECT_EQ(std::get<QByteArray>(small).size(), (qint64{1} << 20) + 1);
  const auto missing = ReadRegularFile(dir.filePath("none"), 10);
  ASSERT_TRUE(std::holds_alternative<QString>(missing));
  EXPECT_TRUE(std::get<QString>(missing).startsWith("cannot open: "));
}

}  // namespace
