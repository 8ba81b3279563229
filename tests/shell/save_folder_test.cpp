#include "shell/save_folder.h"

#include "support/read_only_folder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The data folder of an installed program belongs to the system; saves start in the
// user's folder instead. The check runs as a user who cannot write the folder.
TEST(FolderToSaveIn, AFolderThatCannotBeWrittenGivesWayToTheUsersFolder) {
  QTemporaryDir data;
  QTemporaryDir user;
  EXPECT_EQ(FolderToSaveIn(data.path(), user.path()), data.path());
  EXPECT_EQ(FolderToSaveIn(data.path(), QString()), data.path());
  EXPECT_EQ(FolderToSaveIn(data.filePath(QStringLiteral("gone")), user.path()), user.path());

  const std::optional<WriteOutcome> readOnly = InReadOnlyFolder(data.path(), [&] {
    return WriteOutcome{FolderToSaveIn(data.path(), user.path()) == user.path(), {}};
  });
  ASSERT_TRUE(readOnly.has_value());
  EXPECT_TRUE(readOnly->written);
}

}  // namespace
