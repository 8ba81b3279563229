#include "shell/file_name_rules.h"

#include <gtest/gtest.h>

// The file dialog's own test shows the rules on the usual names in load and save mode;
// these are the edges it does not reach.
namespace {

TEST(FileNameRules, NamesSplitAtTheirFirstDot) {
  EXPECT_EQ(sufikso(QStringLiteral("two.dots.csv")).Extension, ".dots.csv");
  EXPECT_EQ(sufikso(QStringLiteral("two.dots.csv")).Stem, "two");
  EXPECT_EQ(sufikso(QStringLiteral("README")).Extension, ".");
  EXPECT_EQ(sufikso(QStringLiteral("README")).Stem, "");
  EXPECT_EQ(sufikso(QStringLiteral(".csv")).Stem, "");

  EXPECT_EQ(sufix_removal(QStringLiteral("README")), "README");
  EXPECT_EQ(sufix_removal(QStringLiteral("")), "");

  EXPECT_EQ(sufix_check(QStringLiteral("pose."), QStringLiteral(".csv")), "pose.");
  EXPECT_EQ(sufix_check(QStringLiteral(""), QStringLiteral(".csv")), ".csv");

  const std::vector<FileType> types{{QStringLiteral("Angle Data"), QStringLiteral(".csv")},
                                    {QStringLiteral("Text"), QStringLiteral(".txt")}};
  EXPECT_EQ(SelectFileType(types, 1).Pattern, "*.txt");
  EXPECT_EQ(SelectFileType(types, 1).Extension, QStringLiteral(".txt"));
  EXPECT_EQ(SelectFileType(types, 2).Pattern, "*");
  EXPECT_FALSE(SelectFileType(types, 2).Extension.has_value());
  EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/media/usb/")), "/media/usb/");
}

TEST(FileNameRules, EachModeTakesOnlyItsOwnName) {
  // The typed name does not count in load mode.
  EXPECT_EQ(ConfirmFileChoice(true, QStringLiteral("a.csv"), QStringLiteral("typed"),
                              QStringLiteral("/d"), QStringLiteral(".csv")).FullPath,
            "/d/a.csv");
  // Saving with nothing listed has no base name; otherwise the base name follows the
  // listed selection, not the typed name.
  EXPECT_EQ(ConfirmFileChoice(false, QString(), QStringLiteral("pose"), QStringLiteral("/home/me"),
                              QStringLiteral(".csv")).BaseName,
            "");
  const FileChoice choice = ConfirmFileChoice(false, QStringLiteral("old.one.csv"), QStringLiteral("pose.txt"),
                                              QStringLiteral("/home/me"), QStringLiteral(".csv"));
  EXPECT_EQ(choice.FullPath, "/home/me/pose.txt");
  EXPECT_EQ(choice.BaseName, "old");

  // A double click takes the listed name as it is, on a root too.
  const FileChoice clicked = DoubleClickFileChoice(QStringLiteral("README"), QStringLiteral("/"));
  EXPECT_EQ(clicked.FullPath, "/README");
  EXPECT_EQ(clicked.BaseName, "README");
}

}  // namespace
