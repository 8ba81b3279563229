#include "app/system_setup.h"

#include "app/app_state.h"
#include "app/caption_table.h"
#include "signdata/angle_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SystemSetup, EachSystemNamesItsFileLayoutAndCaption) {
  const char* files[] = {"PositionBSL.csv", "PositionINA.csv", "PositionASL.csv",
                         "PositionASL.csv", "PositionJSL.csv", "PositionKSL.csv"};
  for (int system = 0; system <= 5; ++system) {
    const SystemSetup setup = SetupOfSystem(system);
    EXPECT_EQ(setup.FileName, QString::fromLatin1(files[system])) << system;
    ASSERT_TRUE(setup.Table) << system;
    EXPECT_EQ(setup.Table->HandCount, system <= 1 ? 2 : 1);
    EXPECT_EQ(setup.Table->ColumnCount, system <= 1 ? kTwoHandColumns : kOneHandColumns);
  }
  for (int system = 0; system <= 3; ++system) {
    EXPECT_EQ(SetupOfSystem(system).Layout, SystemLayout::Alphabet);
    EXPECT_EQ(SetupOfSystem(system).SignLabelCaption, FirstSystemCaption + system);
    EXPECT_EQ(SetupOfSystem(system).NumeralBase, std::nullopt);
  }
  EXPECT_EQ(SetupOfSystem(4).Layout, SystemLayout::Jsl);
  EXPECT_EQ(SetupOfSystem(4).NumeralBase, 46);
  EXPECT_EQ(SetupOfSystem(4).SignLabelCaption, std::nullopt);
  EXPECT_EQ(SetupOfSystem(5).Layout, SystemLayout::Ksl);
  EXPECT_EQ(SetupOfSystem(5).NumeralBase, 41);

  // The numerals use the table already loaded, and keep its layout.
  for (const int system : {6, -1, 7}) {
    const SystemSetup setup = SetupOfSystem(system);
    EXPECT_EQ(setup.Layout, SystemLayout::None) << system;
    EXPECT_TRUE(setup.FileName.isEmpty());
    EXPECT_FALSE(setup.Table);
    EXPECT_FALSE(setup.NumeralBase);
  }
}

TEST(SystemSetup, TablesLoadOnlyInALayoutAndFailuresNameFileAndReason) {
  QTemporaryDir dir;
  AppState state;
  const QString missing = dir.filePath("PositionBSL.csv");
  EXPECT_EQ(LoadSystemTable(state, missing), std::nullopt);  // no layout yet

  state.HandCount = 2;
  state.ColumnCount = kTwoHandColumns;
  const std::optional<FileResult> result = LoadSystemTable(state, missing);
  ASSERT_TRUE(result);
  EXPECT_FALSE(*result);
  const QString message = LoadFailureMessage(missing, *result);
  EXPECT_TRUE(message.startsWith("Error " + missing + ": cannot open")) << message.toStdString();

  AppState table;
  table.ColumnCount = kTwoHandColumns;
  table.SignTable[0].FrameCount = 1;
  table.SignTable[0].Frames = {KeyFrame{}};
  table.SignCount = 1;
  ASSERT_TRUE(SaveAngleFile(table, missing));
  const std::optional<FileResult> loaded = LoadSystemTable(state, missing);
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(*loaded);
  EXPECT_EQ(state.SignCount, 1);
}
