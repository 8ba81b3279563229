#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct SignTable;
class OffscreenRenderer;

// One picture of a printable alphabet chart: key frame `frame` of slot `slot`.
struct ChartCell {
  int slot = 0;
  int frame = 0;
  int frameCount = 0;
  QString name;

  // "slot name k/n", k counted from 1 as a learner reads it.
  QString Label() const;
};

// A cell for every key frame of every filled slot 0..SignCount-1, in slot order.
std::vector<ChartCell> ChartCells(const SignTable& table);

// The size of the chart of `cellCount` cells of `cell` pixels each, `columns` to a row,
// worked out in 64 bits so that no count of cells overflows it.
struct ChartExtent {
  qint64 width = 0;
  qint64 height = 0;
};
ChartExtent ChartPictureExtent(size_t cellCount, int columns, int cellWidth, int cellHeight);

// Frames the renderer's pictures on every key frame of sign `slot`, so that each of
// its cells shows the hands as large as they fit and its frames at one scale.
void FrameSign(OffscreenRenderer& renderer, const SignTable& table, int slot);

// Poses the hands in each cell's key frame, framed as FrameSign frames its sign, draws
// it with `renderer` (one cell's picture size; its own framing is given back after)
// and lays the pictures out `columns` to a row with the label under each. Needs a
// QGuiApplication for the label font. A null picture when the chart would be too
// large (see PictureSizeProblem).
QImage RenderReferenceChart(const SignTable& table, OffscreenRenderer& renderer,
                            const std::vector<ChartCell>& cells, int columns);
