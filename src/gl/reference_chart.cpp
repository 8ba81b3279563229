#include "gl/reference_chart.h"

#include "gl/offscreen_renderer.h"
#include "playback/playback_engine.h"
#include "signdata/sign_table.h"

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

QImage RenderReferenceChart(const SignTable& table, OffscreenRenderer& renderer,
                            const std::vector<ChartCell>& cells, int columns) {
  const int cellWidth = renderer.Width();
  const int cellHeight = renderer.Height();
  const int labelHeight = std::max(18, cellHeight / 9);
  const int count = std::max<int>(1, static_cast<int>(cells.size()));
  columns = std::clamp(columns, 1, count);
  const int rows = (count + columns - 1) / columns;

  QImage chart(columns * cellWidth, rows * (cellHeight + labelHeight), QImage::Format_RGB32);
  chart.fill(Qt::white);
  QPainter painter(&chart);
  QFont font = painter.font();
  font.setPixelSize(labelHeight * 2 / 3);
  painter.setFont(font);
  painter.setPen(Qt::black);

  PlaybackEngine engine(table, renderer);
  for (size_t i = 0; i < cells.size(); ++i) {
    const ChartCell& cell = cells[i];
    const int left = static_cast<int>(i % columns) * cellWidth;
    const int top = static_cast<int>(i / columns) * (cellHeight + labelHeight);
    if (!engine.SetHandPose(cell.slot, cell.frame)) continue;
    engine.Redraw(0);
    painter.drawImage(left, top, renderer.Image());
    painter.drawText(QRect(left, top + cellHeight, cellWidth, labelHeight), Qt::AlignCenter,
                     cell.Label());
  }
  return chart;
}
