#include "gl/reference_chart.h"

#include "gl/offscreen_renderer.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/view_state.h"
#include "signdata/sign_table.h"
#include "gl/picture_file.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QString ChartCell::Label() const {
  return QStringLiteral("%1 %2 %3/%4").arg(slot).arg(name.trimmed()).arg(frame + 1).arg(frameCount);
}

std::vector<ChartCell> ChartCells(const SignTable& table) {
  std::vector<ChartCell> cells;
  for (int slot = 0; slot < table.SignCount && slot < kSignSlots; ++slot) {
    const SignRecord& record = table.Signs[slot];
    const int count = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
    for (int frame = 0; frame < count; ++frame) cells.push_back({slot, frame, count, record.Name});
  }
  return cells;
}

namespace {

constexpr double kPi = 3.14159265;

int LabelHeight(int cellHeight) { return std::max(18, cellHeight / 9); }

int ColumnsUsed(size_t cellCount, int columns) {
  return static_cast<int>(std::clamp<qint64>(columns, 1, std::max<qint64>(1, static_cast<qint64>(cellCount))));
}

// What was drawn on the picture's ground, taken as the colour of its first corner: the
// pixels that stand clearly off it, so the last of the Natural forearm's fade is not
// counted.
QRect DrawnPart(const QImage& picture) {
  const QRgb ground = picture.pixel(0, 0);
  QRect drawn;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      if (std::abs(qRed(p) - qRed(ground)) + std::abs(qGreen(p) - qGreen(ground)) +
              std::abs(qBlue(p) - qBlue(ground)) > 60)
        drawn |= QRect(x, y, 1, 1);
    }
  return drawn;
}

// How much closer a cell may be drawn so that what `picture` shows fills it: the box
// a sign is framed on is square to the hands' axes, and a hand turned in depth takes
// up less of the picture than its box does. At most as close as keeps every drawn
// pixel in the picture about the same middle.
double CloserBy(const QImage& picture) {
  const QRect drawn = DrawnPart(picture);
  if (drawn.isEmpty()) return 1.0;
  constexpr double kAim = 0.85;  // of the picture's side, the larger side of the sign
  constexpr double kMargin = 0.95;
  const double halfWidth = picture.width() / 2.0;
  const double halfHeight = picture.height() / 2.0;
  const double reach = std::max({std::abs(drawn.left() - halfWidth), std::abs(drawn.right() + 1 - halfWidth),
                                 std::abs(drawn.top() - halfHeight), std::abs(drawn.bottom() + 1 - halfHeight)});
  const double fill = std::max(drawn.width() / (2.0 * halfWidth), drawn.height() / (2.0 * halfHeight));
  return std::min(kAim / fill, kMargin * std::min(halfWidth, halfHeight) / reach);
}

}  // namespace

void FrameSign(OffscreenRenderer& renderer, const SignTable& table, int slot, int frame) {
  const MoveScript keyFrame{Move::Pose(slot, frame), Move::Redraw(0)};
  renderer.SetFraming(ScriptBounds(table, keyFrame, renderer.Appearance()));
}

bool DrawChartCell(PlaybackEngine& engine, OffscreenRenderer& renderer, const SignTable& table, int slot,
                   int frame) {
  FrameSign(renderer, table, slot, frame);
  if (!engine.SetHandPose(slot, frame)) return false;
  engine.DrawHands();
  const double closer = CloserBy(renderer.Image());
  if (closer <= 1.05) return true;
  // The field of view that shows the picture `closer` times as large.
  const ViewState userView = renderer.View();
  const double fitted = renderer.Camera(table.HandCount).ViewAngle * kPi / 360.0;
  const double narrowed = std::atan(std::tan(fitted) / closer);
  renderer.View().ViewAngle = static_cast<float>(userView.ViewAngle * narrowed / fitted);
  engine.DrawHands();
  renderer.View() = userView;
  return true;
}

ChartExtent ChartPictureExtent(size_t cellCount, int columns, int cellWidth, int cellHeight) {
  const qint64 count = std::max<qint64>(1, static_cast<qint64>(cellCount));
  const qint64 used = ColumnsUsed(cellCount, columns);
  const qint64 rows = (count + used - 1) / used;
  return {used * cellWidth, rows * (qint64{cellHeight} + LabelHeight(cellHeight))};
}

QImage RenderReferenceChart(const SignTable& table, OffscreenRenderer& renderer,
                            const std::vector<ChartCell>& cells, int columns) {
  const int cellWidth = renderer.Width();
  const int cellHeight = renderer.Height();
  const int labelHeight = LabelHeight(cellHeight);
  const ChartExtent extent = ChartPictureExtent(cells.size(), columns, cellWidth, cellHeight);
  if (PictureSizeProblem(extent.width, extent.height)) return {};
  columns = ColumnsUsed(cells.size(), columns);

  QImage chart(static_cast<int>(extent.width), static_cast<int>(extent.height), QImage::Format_RGB32);
  if (chart.isNull()) return {};
  chart.fill(Qt::white);
  QPainter painter(&chart);
  QFont font = painter.font();
  font.setPixelSize(labelHeight * 2 / 3);
  painter.setFont(font);
  painter.setPen(Qt::black);

  const std::optional<Box> framing = renderer.Framing();
  PlaybackEngine engine(table, renderer);
  for (size_t i = 0; i < cells.size(); ++i) {
    const ChartCell& cell = cells[i];
    const int left = static_cast<int>(i % columns) * cellWidth;
    const int top = static_cast<int>(i / columns) * (cellHeight + labelHeight);
    if (!DrawChartCell(engine, renderer, table, cell.slot, cell.frame)) continue;
    painter.drawImage(left, top, renderer.Image());
    painter.drawText(QRect(left, top + cellHeight, cellWidth, labelHeight), Qt::AlignCenter,
                     cell.Label());
  }
  renderer.SetFraming(framing);
  return chart;
}
