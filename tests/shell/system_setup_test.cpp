#include "shell/system_setup.h"

#include "signdata/sign_table.h"
#include "signdata/angle_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The main window's test shows each system's layout, label, numeral slots and a failed
// load's message; the test tables there all have one shape, so the file each system
// reads, and the cases that set or load nothing, are shown here.
TEST(SystemSetup, EachSystemReadsItsOwnFileAndOtherIndexesSetNothing) {
  const char* files[] = {"PositionBSL.csv", "PositionINA.csv", "PositionASL.csv",
                         "PositionASL.csv", "PositionJSL.csv", "PositionKSL.csv"};
  for (int system = 0; system <= 5; ++system)
    EXPECT_EQ(SetupOfSystem(system).FileName, QString::fromLatin1(files[system])) << system;

  // The numerals use the table already loaded, and keep its layout.
  for (const int system : {6, -1, 7}) {
    const SystemSetup setup = SetupOfSystem(system);
    EXPECT_EQ(setup.Layout, SystemLayout::None) << system;
    EXPECT_TRUE(setup.FileName.isEmpty());
    EXPECT_FALSE(setup.TableHands);
    EXPECT_FALSE(setup.NumeralBase);
  }

  // With no layout in force nothing is loaded.
  QTemporaryDir dir;
  SignTable table;
  EXPECT_EQ(LoadSystemTable(table, dir.filePath("PositionBSL.csv")), std::nullopt);
}
