#include "gl/reference_chart.h"

#include "gl/offscreen_renderer.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "signdata/sign_table.h"
#include "gl/picture_file.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

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

int LabelHeight(int cellHeight) { return std::max(18, cellHeight / 9); }

int ColumnsUsed(size_t cellCount, int columns) {
  return static_cast<int>(std::clamp<qint64>(columns, 1, std::max<qint64>(1, static_cast<qint64>(cellCount))));
}

}  // namespace

void FrameSign(OffscreenRenderer& renderer, const SignTable& table, int slot) {
  renderer.SetFraming(ScriptBounds(table, KeyFramesScript(table, slot), renderer.Appearance()));
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
  int framedSlot = -1;
  for (size_t i = 0; i < cells.size(); ++i) {
    const ChartCell& cell = cells[i];
    const int left = static_cast<int>(i % columns) * cellWidth;
    const int top = static_cast<int>(i / columns) * (cellHeight + labelHeight);
    if (cell.slot != framedSlot) {
      FrameSign(renderer, table, cell.slot);
      framedSlot = cell.slot;
    }
    if (!engine.SetHandPose(cell.slot, cell.frame)) continue;
    engine.Redraw(0);
    painter.drawImage(left, top, renderer.Image());
    painter.drawText(QRect(left, top + cellHeight, cellWidth, labelHeight), Qt::AlignCenter,
                     cell.Label());
  }
  renderer.SetFraming(framing);
  return chart;
}
