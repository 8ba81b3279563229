#include "shell/picture_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PictureFolders, NamesThatWouldLeaveTheFolderAreInvalid) {
  const std::pair<QString, NameCheck> cases[] = {
      {QStringLiteral("lesson 1"), NameCheck::Accepted},
      {QStringLiteral("手話"), NameCheck::Accepted},
      {QStringLiteral("a.b"), NameCheck::Accepted},
      {QString(), NameCheck::Empty},
      {QStringLiteral("a/b"), NameCheck::Invalid},
      {QStringLiteral("a\\b"), NameCheck::Invalid},
      {QStringLiteral(".."), NameCheck::Invalid},
      {QStringLiteral(".hidden"), NameCheck::Invalid},
      {QStringLiteral("a") + QChar(0) + QStringLiteral("b"), NameCheck::Invalid},
      {QStringLiteral("tab\there"), NameCheck::Invalid},
      {QStringLiteral("del") + QChar(0x7f), NameCheck::Invalid},
      {QStringLiteral("c1") + QChar(0x85), NameCheck::Invalid},
  };
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(CheckPictureName(name), expected) << name.toStdString();
}

TEST(PictureFolders, FolderMakingTellsAnExistingFolderFromOtherFailures) {
  QTemporaryDir dir;
  const QString root = dir.path() + u'/';
  const QString folder = ChildFolder(root, QStringLiteral("words"));
  EXPECT_EQ(folder, root + QStringLiteral("words/"));
  EXPECT_EQ(CreateFolder(folder).outcome, FolderAttempt::Outcome::Created);
  EXPECT_TRUE(QDir(folder).exists());
  EXPECT_EQ(CreateFolder(folder).outcome, FolderAttempt::Outcome::AlreadyExists);

  // A file in the way, and a parent that is not there, are failures with a reason.
  QFile file(root + QStringLiteral("plain"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (const QString& path : {ChildFolder(root, QStringLiteral("plain")),
                              ChildFolder(root + QStringLiteral("missing/"), QStringLiteral("x"))}) {
    const FolderAttempt attempt = CreateFolder(path);
    EXPECT_EQ(attempt.outcome, FolderAttempt::Outcome::Failed) << path.toStdString();
    EXPECT_FALSE(attempt.reason.isEmpty());
  }
  EXPECT_EQ(CapturePicturePath(folder, QStringLiteral("a")), folder + QStringLiteral("a.bmp"));
}

TEST(PictureFolders, MessagesFollowTheInterfaceLanguage) {
  EXPECT_EQ(FolderExistsQuestion(InterfaceLanguage::English), QStringLiteral("The folder already exists. Use it?"));
  EXPECT_EQ(FolderExistsQuestion(InterfaceLanguage::Japanese), QStringLiteral("既にディレクトリが存在している"));
  EXPECT_EQ(FolderFailedMessage(InterfaceLanguage::English, QStringLiteral("Permission denied")),
            QStringLiteral("The folder could not be created: Permission denied"));
  EXPECT_EQ(FolderFailedMessage(InterfaceLanguage::Japanese, QStringLiteral("Permission denied")), QStringLiteral("エラー発生"));
}
