// Every writer of the user's files, on a full disk and in a folder it may not write:
// the previous file stays byte for byte as it was, no temporary file is left beside it,
// and the writer says it failed and why. The settings writer only says it failed: its
// caller has no one to tell.
#include "gl/animation_writer.h"
#include "gl/offscreen_renderer.h"
#include "gl/picture_file.h"
#include "playback/playback_engine.h"
#include "shell/practice_history.h"
#include "shell/settings_file.h"
#include "signdata/angle_file.h"
#include "signdata/sign_table.h"
#include "signdata/word_list_file.h"
#include "support/child_write.h"
#include "support/file_contents.h"
#include "support/read_only_folder.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Writes the user's file at the path given, as the program does.
using Writer = std::function<WriteOutcome(const QString& path)>;

struct UserFileWriter {
  const char* what;
  QString fileName;
  Writer write;
  bool tellsWhy = true;
};

WriteOutcome Outcome(const FileResult& result) { return {result.ok, result.reason}; }

WriteOutcome WriteAnimation(AnimationFormat format, const QString& path) {
  const QSize size(32, 24);
  QString error;
  const auto writer = OpenAnimationWriter(format, path, size, {}, &error);
  if (!writer) return {false, error};
  QImage picture(size, QImage::Format_RGB32);
  for (int step = 0; step < 30; ++step) {
    picture.fill(QColor::fromHsv(step * 12, 255, 255));
    if (writer->UsesStep(step) && !writer->AddPicture(picture, &error)) return {false, error};
  }
  return {writer->Finish(&error), error};
}

std::vector<UserFileWriter> UserFileWriters(OffscreenRenderer& renderer) {
  Settings settings;
  settings.Fonts[JapaneseFont].Name = QStringLiteral("A font name long enough to matter");
  SignTable table = SignTable::WithHands(1);
  table.Signs[1] = {1, FixedLengthName(QStringLiteral("new")), {KeyFrame{}}};
  table.SignCount = 2;
  const WordList words{{QStringLiteral("APPLE"), QStringLiteral("BREAD"), QStringLiteral("CHAIR")}, {}};
  const PracticeSessionRecord session{QDateTime(QDate(2026, 12, 7), QTime(10, 15), Qt::UTC), SystemId::American, 20, 17, 180};
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);

  return {
      {"settings", kSettingsFileName,
       [settings](const QString& path) { return WriteOutcome{WriteSettings(path, settings), {}}; }, false},
      {"angle file", QStringLiteral("PositionASL.csv"),
       [table](const QString& path) { return Outcome(SaveAngleFile(table, path)); }},
      {"word list", QStringLiteral("ENGdefault.txt"),
       [words](const QString& path) {
         WriteOutcome outcome;
         outcome.written = SaveWordListFile(path, words, WordListFormat::Plain, &outcome.reason);
         return outcome;
       }},
      {"practice history", kPracticeHistoryFileName,
       [session](const QString& path) {
         WriteOutcome outcome;
         outcome.written = AppendPracticeRecord(path, session, &outcome.reason);
         return outcome;
       }},
      {"captured picture", QStringLiteral("capture.bmp"),
       [picture](const QString& path) {
         WriteOutcome outcome;
         outcome.written = WritePictureFile(picture, path, &outcome.reason);
         return outcome;
       }},
      {"rendered frame", QStringLiteral("000.bmp"),
       [&renderer](const QString& path) {
         return WriteOutcome{renderer.SaveFrame(path), renderer.LastSaveError()};
       }},
      {"GIF animation", QStringLiteral("word.gif"),
       [](const QString& path) { return WriteAnimation(AnimationFormat::Gif, path); }},
      {"MP4 animation", QStringLiteral("word.mp4"),
       [](const QString& path) { return WriteAnimation(AnimationFormat::Mp4, path); }},
  };
}

struct Failure {
  const char* what;
  std::function<std::optional<WriteOutcome>(const QString& folder, const std::function<WriteOutcome()>&)> run;
};

TEST(UserFileWriters, AFullDiskOrAReadOnlyFolderKeepsThePreviousFileWholeAndSaysWhy) {
  QString error;
  const auto renderer = OffscreenRenderer::Create(40, 30, &error);
  ASSERT_TRUE(renderer) << error.toStdString();
  const SignTable hands = SignTable::WithHands(1);
  PlaybackEngine engine(hands, *renderer);
  engine.DrawHands();  // drawn here: the child only writes the picture

  const Failure failures[] = {
      {"full disk",
       [](const QString&, const std::function<WriteOutcome()>& write) { return WithDiskFullAfter(16, write); }},
      {"read-only folder", InReadOnlyFolder},
  };
  const QByteArray previous = "the file as it was before\r\n";
  for (const UserFileWriter& writer : UserFileWriters(*renderer)) {
    for (const Failure& failure : failures) {
      SCOPED_TRACE(std::string(writer.what) + " in a " + failure.what);
      QTemporaryDir dir;
      const QString path = dir.filePath(writer.fileName);
      ASSERT_TRUE(WriteFileContents(path, previous));

      const std::optional<WriteOutcome> outcome = failure.run(dir.path(), [&] { return writer.write(path); });
      ASSERT_TRUE(outcome.has_value()) << "the child crashed or could not be set up";
      EXPECT_FALSE(outcome->written) << "the failed write was reported as success";
      if (writer.tellsWhy) {
        EXPECT_FALSE(outcome->reason.isEmpty()) << "no reason given";
      }
      EXPECT_EQ(FileContents(path), previous);
      EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{writer.fileName});
    }
    // Where nothing stands in the way the same writer succeeds, so the failures above
    // are the disk's and the folder's.
    QTemporaryDir dir;
    const QString path = dir.filePath(writer.fileName);
    ASSERT_TRUE(WriteFileContents(path, previous));
    EXPECT_TRUE(writer.write(path).written) << writer.what;
    EXPECT_NE(FileContents(path), previous) << writer.what;
  }
}

}  // namespace
