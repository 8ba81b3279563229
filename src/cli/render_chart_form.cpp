#include "app/app_state.h"
#include "cli/render_forms.h"
#include "cli/render_setup.h"
#include "render/offscreen_renderer.h"
#include "render/picture_file.h"
#include "render/reference_chart.h"

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

  AppState state;
  QSize size;
  if (const auto status = ApplyPictureOptions(arguments, state, QSize(320, 320), &size, streams))
    return *status;
  if (const auto status = LoadRenderTable(arguments, state, streams)) return *status;

  const std::vector<ChartCell> cells = ChartCells(state);
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
  auto renderer = MakeRenderer(size, streams);
  if (!renderer) return kExitFailure;
  const QImage chart = RenderReferenceChart(state, *renderer, cells, *columns);
  return WritePicture(chart, arguments.Value("--out"), streams) ? kExitSuccess : kExitFailure;
}
