#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct SignTable;
class OffscreenRenderer;
class PlaybackEngine;

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

// Frames the renderer's pictures on key frame `frame` of sign `slot` alone, so that
// its cell shows the hands as large as they fit: a sign that moves, or whose hands
// come together, would otherwise show every frame as small as the whole way it takes.
void FrameSign(OffscreenRenderer& renderer, const SignTable& table, int slot, int frame);

// Poses the hands of `engine` (drawing on `renderer`) in key frame `frame` of sign
// `slot` and draws them framed on it, and drawn once more from closer when the sign
// turned in depth filled less than most of the picture: a cell of the chart. False,
// with nothing drawn, when the table has no such key frame.
bool DrawChartCell(PlaybackEngine& engine, OffscreenRenderer& renderer, const SignTable& table, int slot,
                   int frame);

// Draws each cell's key frame as DrawChartCell does, with `renderer` (one cell's
// picture size; its own framing is given back after), and lays the pictures out `columns` to a row with the label under each. Needs a
// QGuiApplication for the label font. A null picture when the chart would be too
// large (see PictureSizeProblem).
QImage RenderReferenceChart(const SignTable& table, OffscreenRenderer& renderer,
                            const std::vector<ChartCell>& cells, int columns);
