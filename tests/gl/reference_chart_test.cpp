// The reference chart as a learner reads it: every cell of every shipped table, drawn
// from the table's start view in both appearances, shows its sign large.
#include "gl/reference_chart.h"

#include "gl/offscreen_renderer.h"
#include "playback/view_controls.h"
#include "support/shipped_shapes.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr int kCell = 150;
constexpr int kColumns = 10;
// The label under each cell, as the chart lays it out.
constexpr int kLabel = std::max(18, kCell / 9);

// The colour most of the cell's border has: the ground the hands are drawn on.
QRgb Ground(const QImage& chart, const QRect& cell) {
  std::map<QRgb, int> counts;
  for (int x = cell.left(); x <= cell.right(); ++x)
    for (int y : {cell.top(), cell.bottom()}) ++counts[chart.pixel(x, y)];
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x : {cell.left(), cell.right()}) ++counts[chart.pixel(x, y)];
  return std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
}

// The box of the pixels that stand clearly off the ground, so that the last of the
// Natural forearm's fade is not counted as hand.
QRect HandPixels(const QImage& chart, const QRect& cell) {
  const QRgb ground = Ground(chart, cell);
  QRect box;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) {
      const QRgb p = chart.pixel(x, y);
      const int off = std::abs(qRed(p) - qRed(ground)) + std::abs(qGreen(p) - qGreen(ground)) +
                      std::abs(qBlue(p) - qBlue(ground));
      if (off > 60) box |= QRect(x, y, 1, 1);
    }
  return box;
}

struct ShippedChart {
  const char* file;
  int hands;
};

}  // namespace

TEST(ReferenceChart, EveryCellOfTheShippedTablesShowsItsSignFillingMostOfTheCellInBothAppearances) {
  QString error;
  auto renderer = OffscreenRenderer::Create(kCell, kCell, &error);
  ASSERT_TRUE(renderer) << error.toStdString();
  for (const ShippedChart& shipped : {ShippedChart{"PositionASL.csv", 1}, ShippedChart{"PositionBSL.csv", 2},
                                      ShippedChart{"PositionINA.csv", 2}, ShippedChart{"PositionJSL.csv", 1},
                                      ShippedChart{"PositionKSL.csv", 1}}) {
    const auto table = LoadShippedTable(QString::fromLatin1(shipped.file), shipped.hands);
    const std::vector<ChartCell> cells = ChartCells(*table);
    for (const HandAppearance appearance : {HandAppearance::Classic, HandAppearance::Natural}) {
      SCOPED_TRACE(testing::Message() << shipped.file << (appearance == HandAppearance::Natural ? " Natural" : " Classic"));
      ASSERT_EQ(renderer->SetAppearance(appearance, nullptr), appearance);
      renderer->View() = StartView(shipped.hands);
      const QImage chart = RenderReferenceChart(*table, *renderer, cells, kColumns);
      ASSERT_FALSE(chart.isNull());
      for (size_t i = 0; i < cells.size(); ++i) {
        const QRect cell(static_cast<int>(i % kColumns) * kCell, static_cast<int>(i / kColumns) * (kCell + kLabel),
                         kCell, kCell);
        const QRect hand = HandPixels(chart, cell);
        EXPECT_GE(std::max(hand.width(), hand.height()), kCell * 6 / 10)
            << cells[i].Label().toStdString() << " fills " << hand.width() << " x " << hand.height();
      }
    }
  }
}
