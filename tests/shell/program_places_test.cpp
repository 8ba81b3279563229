#include "shell/program_places.h"

#include "shell/settings_file.h"
#include "support/file_contents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

bool Touch(const QString& path) { return WriteFileContents(path, "x"); }

// A program folder, an installed data folder and the two XDG folders, all inside one
// temporary folder.
struct Folders {
  QTemporaryDir root;
  QString Program() const { return root.path() + "/prefix/bin/"; }
  QString Installed() const { return root.path() + "/prefix/share/tovaro/"; }
  QString Config() const { return root.path() + "/config/Tovaro/"; }
  QString AppData() const { return root.path() + "/data/Tovaro/"; }
  QString Pictures() const { return root.path() + "/Pictures/"; }
  PlaceCandidates Candidates(bool writable) const {
    return {Program(), writable, {Program() + "../share/tovaro", "/nonexistent/share/tovaro"},
            Config(), AppData(), root.path() + "/Pictures"};
  }
};

struct PlacesCase {
  const char* name;
  bool dataBeside;
  bool settingsBeside;
  bool writable;
  bool expectDataBeside;
  bool expectUserBeside;
};

TEST(ProgramPlaces, DataBesideTheProgramElseInstalledAndUserFilesBesideOnlyWhenWritableAndOurs) {
  const PlacesCase cases[] = {
      {"build tree or portable copy", true, false, true, true, true},
      {"portable copy already used", true, true, true, true, true},
      {"read-only portable copy", true, false, false, true, false},
      {"installed, program folder writable but not ours", false, false, true, false, false},
      {"installed, read-only program folder", false, false, false, false, false},
      {"settings kept beside an installed program", false, true, true, false, true},
  };
  for (const PlacesCase& c : cases) {
    SCOPED_TRACE(c.name);
    Folders folders;
    ASSERT_TRUE(QDir().mkpath(folders.Program()));
    ASSERT_TRUE(QDir().mkpath(folders.Installed()));
    ASSERT_TRUE(Touch(folders.Installed() + "PositionASL.csv"));
    if (c.dataBeside) {
      ASSERT_TRUE(Touch(folders.Program() + "PositionBSL.csv"));
    }
    if (c.settingsBeside) {
      ASSERT_TRUE(Touch(folders.Program() + kSettingsFileName));
    }

    const ProgramPlaces places = DecideProgramPlaces(folders.Candidates(c.writable));
    EXPECT_EQ(places.DataFolder, c.expectDataBeside ? folders.Program() : folders.Installed());
    EXPECT_EQ(places.UserFolder, c.expectUserBeside ? folders.Program() : folders.AppData());
    EXPECT_EQ(places.SettingsFile(),
              (c.expectUserBeside ? folders.Program() : folders.Config()) + kSettingsFileName);
  }
}

TEST(ProgramPlaces, WithNoDataAnywhereTheLastInstalledFolderIsNamedAndPicturesGoWhereTheyCan) {
  Folders folders;
  ASSERT_TRUE(QDir().mkpath(folders.Program()));
  const ProgramPlaces places = DecideProgramPlaces(folders.Candidates(true));
  EXPECT_EQ(places.DataFolder, "/nonexistent/share/tovaro/");
  EXPECT_EQ(places.UserFolder, folders.AppData());
  // A pictures folder that is not there is not offered.
  EXPECT_EQ(places.PicturesFolder, folders.AppData());
  ASSERT_TRUE(QDir().mkpath(folders.Pictures()));
  EXPECT_EQ(DecideProgramPlaces(folders.Candidates(true)).PicturesFolder, folders.Pictures());
}

TEST(ProgramPlaces, AWordListIsReadFromTheUsersCopyOnceThereIsOne) {
  QTemporaryDir data;
  QTemporaryDir user;
  const ProgramPlaces places{data.path() + '/', user.path() + '/', user.path() + '/', user.path() + '/'};
  EXPECT_EQ(places.FileToRead("ENGdefault.txt"), data.path() + "/ENGdefault.txt");
  ASSERT_TRUE(Touch(places.UserFile("ENGdefault.txt")));
  EXPECT_EQ(places.FileToRead("ENGdefault.txt"), user.path() + "/ENGdefault.txt");
  // A folder of that name is not a list to read.
  ASSERT_TRUE(QDir(user.path()).mkdir("KSLdefault.html"));
  EXPECT_EQ(places.FileToRead("KSLdefault.html"), data.path() + "/KSLdefault.html");
}

TEST(ProgramPlaces, BesideAFolderEverythingIsThere) {
  const ProgramPlaces places = PlacesBeside("/opt/tovaro");
  EXPECT_EQ(places.DataFile("PositionASL.csv"), "/opt/tovaro/PositionASL.csv");
  EXPECT_EQ(places.UserFile("Practice.csv"), "/opt/tovaro/Practice.csv");
  EXPECT_EQ(places.SettingsFile(), "/opt/tovaro/Tovaro.ini");
}

}  // namespace
