#include "shell/side_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PlacementCase {
  const char* name;
  QRect owner;
  QSize window;
  QPoint expected;
};

}  // namespace

TEST(SidePlacementTest, TheWindowOpensBesideTheOwnerOnTheSideWithRoomAndAlwaysOnTheScreen) {
  const QRect screen(0, 0, 1280, 1024);
  const std::vector<PlacementCase> cases{
      {"room on the right", {100, 50, 700, 600}, {400, 300}, {808, 50}},
      {"room on the left only", {500, 50, 700, 600}, {400, 300}, {92, 50}},
      {"no room: over the owner's right edge", {200, 50, 900, 600}, {400, 300}, {880, 50}},
      {"owner partly off the top", {100, -30, 700, 600}, {400, 300}, {808, 0}},
      {"owner low on the screen", {100, 900, 700, 100}, {400, 300}, {808, 724}},
      {"wider and taller than the screen", {100, 50, 700, 600}, {1500, 1200}, {0, 0}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QPoint placed = PlaceBeside(c.owner, c.window, screen);
    EXPECT_EQ(placed.x(), c.expected.x());
    EXPECT_EQ(placed.y(), c.expected.y());
  }
}

// A second screen to the left of the first: the window stays on the owner's one.
TEST(SidePlacementTest, AScreenThatDoesNotStartAtZeroIsKeptTo) {
  const QRect screen(-1280, 0, 1280, 1024);
  EXPECT_EQ(PlaceBeside({-800, 100, 700, 500}, {400, 300}, screen), QPoint(-1208, 100));
}
