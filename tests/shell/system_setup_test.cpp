#include "shell/system_setup.h"

#include <gtest/gtest.h>

// The main window's test shows each system's layout, label, numeral slots and a failed
// load's message; the test tables there all have one shape, so the file each system
// reads, and the numerals that set nothing, are shown here. A table read with no
// layout in force: the angle table document's test.
TEST(SystemSetup, EachSystemReadsItsOwnFileAndTheNumeralsSetNothing) {
  using enum SystemId;
  const std::pair<SystemId, const char*> files[] = {
      {BritishTwoHanded, "PositionBSL.csv"}, {IndonesianTwoHanded, "PositionINA.csv"},
      {American, "PositionASL.csv"},         {DerivedAmerican, "PositionASL.csv"},
      {JapaneseKana, "PositionJSL.csv"},     {KoreanHangul, "PositionKSL.csv"}};
  for (const auto& [system, file] : files)
    EXPECT_EQ(SetupOfSystem(system).FileName, QString::fromLatin1(file)) << file;

  // The numerals use the table already loaded, and keep its layout.
  const SystemSetup setup = SetupOfSystem(Numerals);
  EXPECT_EQ(setup.Layout, SystemLayout::None);
  EXPECT_TRUE(setup.FileName.isEmpty());
  EXPECT_FALSE(setup.TableHands);
  EXPECT_FALSE(setup.NumeralBase);
}
