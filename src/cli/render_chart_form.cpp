#include "cli/render_forms.h"
#include "cli/render_setup.h"
#include "gl/offscreen_renderer.h"
#include "gl/reference_chart.h"
#include "playback/view_state.h"
#include "signdata/sign_table.h"
#include "gl/picture_file.h"

int RenderChartForm(const ParsedArguments& arguments, CliStreams streams) {
  if (!arguments.positional.isEmpty())
    return RenderUsageError(QStringLiteral("unexpected argument %1").arg(arguments.positional[0]),
                            streams);
  if (arguments.Has("--frame"))
    return RenderUsageError(QStringLiteral("--frame belongs to --sign"), streams);
  const auto columns = ParseIntInRange(arguments.Value("--columns", QStringLiteral("6")), 1, 256);
  if (!columns) return RenderUsageError(QStringLiteral("--columns must be 1..256"), streams);
  if (!arguments.values.contains("--out"))
    return RenderUsageError(QStringLiteral("--out OUT is missing"), streams);

  ViewState view;
  QSize size;
  if (const auto status = ApplyPictureOptions(arguments, view, QSize(320, 320), &size, streams))
    return *status;
  SignTable table;
  if (const auto status = LoadRenderTable(arguments, table, streams)) return *status;

  const std::vector<ChartCell> cells = ChartCells(table);
  if (cells.empty()) {
    streams.err << "tovaro-cli render: " << arguments.Value("--angles") << " holds no key frame\n";
    return kExitFailure;
  }
  const ChartExtent extent = ChartPictureExtent(cells.size(), *columns, size.width(), size.height());
  if (const auto problem = PictureSizeProblem(extent.width, extent.height)) {
    streams.err << "tovaro-cli render: cannot draw the chart of " << cells.size() << " key frames: "
                << *problem << "\n";
    return kExitFailure;
  }
  auto renderer = MakeRenderer(arguments, size, streams);
  if (!renderer) return kExitFailure;
  renderer->View() = view;
  const QImage chart = RenderReferenceChart(table, *renderer, cells, *columns);
  return WritePicture(chart, arguments.Value("--out"), streams) ? kExitSuccess : kExitFailure;
}
