#include "gl/animation_export.h"
#include "gl/gif_animation_writer.h"
#include "gl/mp4_writer_module.h"

#include "signdata/sign_table.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GifAnimationWriter, DelaysRoundOnTheRunningTotal) {
  // Two steps are 3.33 hundredths: 3, 4, 3, 3, 4, 3 ... adding up to the real time.
  EXPECT_EQ(GifAnimationWriter::DelayOf(0, 2), 3);
  EXPECT_EQ(GifAnimationWriter::DelayOf(2, 4), 4);
  EXPECT_EQ(GifAnimationWriter::DelayOf(4, 6), 3);
  EXPECT_EQ(GifAnimationWriter::DelayOf(6, 7), 2);
  EXPECT_EQ(GifAnimationWriter::DelayOf(0, 600), 1000);
}

TEST(GifAnimationWriter, OnlyTheChangedRectangleIsWritten) {
  QImage before(20, 10, QImage::Format_RGBA8888);
  before.fill(Qt::black);
  struct Case {
    QList<QPoint> changed;
    QRect expected;
  };
  const Case cases[] = {
      {{}, QRect(0, 0, 1, 1)},
      {{QPoint(5, 3)}, QRect(5, 3, 1, 1)},
      {{QPoint(2, 8), QPoint(17, 1)}, QRect(QPoint(2, 1), QPoint(17, 8))},
      {{QPoint(0, 0), QPoint(19, 9)}, QRect(0, 0, 20, 10)},
  };
  for (const Case& c : cases) {
    QImage after = before.copy();
    for (const QPoint& p : c.changed) after.setPixelColor(p, Qt::yellow);
    EXPECT_EQ(GifAnimationWriter::ChangedRectangle(before, after), c.expected);
  }
}

TEST(AnimationExport, ACancelledOrFailedExportLeavesTheOldFileAlone) {
  SignTable table = SignTable::WithHands(1);
  KeyFrame bent;
  bent.RightFinger[4] = 80.0f;
  table.Signs[0] = {1, FixedLengthName("rest"), {KeyFrame{}}};
  table.Signs[1] = {1, FixedLengthName("bent"), {bent}};
  table.SignCount = 2;
  const MoveScript script = {Move::Pose(0, 0), Move::Target(1, 0), Move::Redraw(20)};
  EXPECT_EQ(AnimationStepsOf(script), 21);
  EXPECT_EQ(AnimationStepsOf({Move::Redraw(0), Move::Redraw(-1), Move::Redraw(5000)}), 1001);

  QTemporaryDir dir;
  for (const char* name : {"word.gif", "word.mp4"}) {
    AnimationExportSettings settings;
    settings.path = dir.filePath(name);
    settings.size = QSize(64, 48);
    ASSERT_TRUE(WriteFileContents(settings.path, "earlier"));

    int asked = 0;
    const AnimationExportResult cancelled = ExportScript(
        table, script, settings, [&asked](int done, int total) {
          ++asked;
          EXPECT_EQ(total, 21);
          return done < 5;
        }, {});
    EXPECT_EQ(cancelled.outcome, AnimationExportResult::Outcome::Cancelled) << name;
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(FileContents(settings.path), "earlier") << name;

    const AnimationExportResult written = ExportScript(table, script, settings, {}, {});
    EXPECT_EQ(written.outcome, AnimationExportResult::Outcome::Written) << written.reason.toStdString();
    EXPECT_EQ(written.steps, 21);
    EXPECT_GT(QFile(settings.path).size(), 100);
  }
  // Only the files themselves: no temporary file is left beside them.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(Mp4WriterModule, ThePlacesAProgramLooksAtFindTheBuiltModuleAndAMissingOneIsTold) {
  QTemporaryDir dir;
  const QString folder = dir.path() + u'/';
  // A program with no module beside it (the tests' own) finds the build tree's.
  QString error;
  const OpenMp4WriterEntry entry = LoadMp4WriterModule(Mp4WriterModuleFiles(folder), &error);
  ASSERT_NE(entry, nullptr) << error.toStdString();
  const std::unique_ptr<AnimationWriter> writer(entry(dir.filePath("word.mp4"), QSize(32, 24), {}, &error));
  EXPECT_NE(writer, nullptr) << error.toStdString();

  ASSERT_TRUE(WriteFileContents(dir.filePath("not-a-library.so"), "text"));
  struct Case {
    QStringList files;
    const char* reasonHas;
  };
  const Case cases[] = {
      {{dir.filePath("missing.so")}, "libtovaro_mp4_writer.so is in none of "},
      // The first file there is the one used, even when a later one would load.
      {{dir.filePath("not-a-library.so"), Mp4WriterModuleFiles(folder).last()}, "not-a-library.so"},
  };
  for (const Case& c : cases) {
    error.clear();
    EXPECT_EQ(LoadMp4WriterModule(c.files, &error), nullptr);
    EXPECT_TRUE(error.startsWith(QStringLiteral("MP4 export is not available: "))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.reasonHas))) << error.toStdString();
  }
}
