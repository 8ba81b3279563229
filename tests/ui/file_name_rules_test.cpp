#include "ui/file_name_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameRules, NamesSplitAtTheirFirstDot) {
  EXPECT_EQ(sufikso(QStringLiteral("PositionBSL.csv")).Extension, ".csv");
  EXPECT_EQ(sufikso(QStringLiteral("PositionBSL.csv")).Stem, "PositionBSL");
  EXPECT_EQ(sufikso(QStringLiteral("two.dots.csv")).Extension, ".dots.csv");
  EXPECT_EQ(sufikso(QStringLiteral("two.dots.csv")).Stem, "two");
  EXPECT_EQ(sufikso(QStringLiteral("README")).Extension, ".");
  EXPECT_EQ(sufikso(QStringLiteral("README")).Stem, "");
  EXPECT_EQ(sufikso(QStringLiteral(".csv")).Stem, "");

  EXPECT_EQ(sufix_removal(QStringLiteral("two.dots.csv")), "two");
  EXPECT_EQ(sufix_removal(QStringLiteral("README")), "README");
  EXPECT_EQ(sufix_removal(QStringLiteral("")), "");

  EXPECT_EQ(sufix_check(QStringLiteral("pose"), QStringLiteral(".csv")), "pose.csv");
  EXPECT_EQ(sufix_check(QStringLiteral("pose.txt"), QStringLiteral(".csv")), "pose.txt");
  EXPECT_EQ(sufix_check(QStringLiteral("pose."), QStringLiteral(".csv")), "pose.");
  EXPECT_EQ(sufix_check(QStringLiteral(""), QStringLiteral(".csv")), ".csv");
}

TEST(FileNameRules, TheTypeListOffersEachTypeThenEveryFile) {
  const std::vector<FileType> types{{QStringLiteral("Angle Data"), QStringLiteral(".csv")},
                                    {QStringLiteral("Text"), QStringLiteral(".txt")}};
  EXPECT_EQ(FileTypeEntry(types[0]), "Angle Data (*.csv)");
  EXPECT_EQ(kAllFilesEntry, "All Files (*.*)");

  EXPECT_EQ(SelectFileType(types, 0).Pattern, "*.csv");
  EXPECT_EQ(SelectFileType(types, 0).Extension, QStringLiteral(".csv"));
  EXPECT_EQ(SelectFileType(types, 1).Extension, QStringLiteral(".txt"));
  // "All Files (*.*)" lists every file and keeps the extension chosen before.
  EXPECT_EQ(SelectFileType(types, 2).Pattern, "*");
  EXPECT_FALSE(SelectFileType(types, 2).Extension.has_value());
  EXPECT_FALSE(SelectFileType({}, 0).Extension.has_value());
}

TEST(FileNameRules, LoadingTakesTheSelectedFile) {
  const FileChoice choice = ConfirmFileChoice(true, QStringLiteral("two.dots.csv"), QString(),
                                              QStringLiteral("/data/angles"), QStringLiteral(".csv"));
  EXPECT_EQ(choice.BaseName, "two");
  EXPECT_EQ(choice.FileName, "two.dots.csv");
  EXPECT_EQ(choice.Directory, "/data/angles/");
  EXPECT_EQ(choice.FullPath, "/data/angles/two.dots.csv");

  // The typed name does not count in load mode.
  EXPECT_EQ(ConfirmFileChoice(true, QStringLiteral("a.csv"), QStringLiteral("typed"),
                              QStringLiteral("/d"), QStringLiteral(".csv")).FullPath,
            "/d/a.csv");
  // Nothing selected: the extension alone, which no load accepts.
  EXPECT_EQ(ConfirmFileChoice(true, QString(), QString(), QStringLiteral("/d"),
                              QStringLiteral(".csv")).FullPath,
            "/d/.csv");
  // A file listed under "All Files (*.*)" without a dot is loaded by its own name.
  EXPECT_EQ(ConfirmFileChoice(true, QStringLiteral("README"), QString(), QStringLiteral("/d"),
                              QStringLiteral(".csv")).FullPath,
            "/d/README");
  // On a root there is a single separator.
  EXPECT_EQ(ConfirmFileChoice(true, QStringLiteral("a.csv"), QString(), QStringLiteral("/"),
                              QStringLiteral(".csv")).FullPath,
            "/a.csv");
  EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/")), "/");
  EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/media/usb/")), "/media/usb/");
}

TEST(FileNameRules, SavingTakesTheTypedNameWithTheTypeExtension) {
  FileChoice choice = ConfirmFileChoice(false, QString(), QStringLiteral("pose"),
                                        QStringLiteral("/home/me"), QStringLiteral(".csv"));
  EXPECT_EQ(choice.FileName, "pose.csv");
  EXPECT_EQ(choice.FullPath, "/home/me/pose.csv");
  EXPECT_EQ(choice.BaseName, "");

  // Any dot keeps the typed name as it is; the base name follows the listed selection.
  choice = ConfirmFileChoice(false, QStringLiteral("old.one.csv"), QStringLiteral("pose.txt"),
                             QStringLiteral("/home/me"), QStringLiteral(".csv"));
  EXPECT_EQ(choice.FullPath, "/home/me/pose.txt");
  EXPECT_EQ(choice.BaseName, "old");

  // A double click takes the listed name as it is, in either mode.
  choice = DoubleClickFileChoice(QStringLiteral("README"), QStringLiteral("/"));
  EXPECT_EQ(choice.FullPath, "/README");
  EXPECT_EQ(choice.BaseName, "README");
}

}  // namespace
