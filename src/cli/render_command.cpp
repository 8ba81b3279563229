#include "cli/render_command.h"

#include "cli/argument_list.h"
#include "cli/render_forms.h"
#include "cli/render_setup.h"

#include <vector>

const char* const kRenderUsage =
    "Usage:\n"
    "  tovaro-cli render --angles FILE --hands 1|2 --sign S [--frame F] [--size WxH]\n"
    "                    [--view viewer|signer] --out OUT.png\n"
    "  tovaro-cli render --angles FILE --hands 1|2 --chart [--columns C] [--size WxH]\n"
    "                    [--view viewer|signer] --out OUT.png\n"
    "  tovaro-cli render --system S --angles FILE --speed V [--numeral-base B] [--roman]\n"
    "                    [--normalize] [--motion lifelike|described]\n"
    "                    --frames DIR [--replace] [--format png|bmp] [--size WxH] TEXT\n"
    "\n"
    "Draws hand shapes without a display. The first form draws key frame F (counted\n"
    "from 0, default 0) of sign S at WxH (default 640x480). The second draws a reference\n"
    "chart: every key frame of every sign 0..SignCount-1, C cells to a row (default 6),\n"
    "each cell WxH (default 320x320) labelled 'slot name k/n' (key frame k of n,\n"
    "counted from 1). The view is the viewer's (default) or the signer's own;\n"
    "--azimuth DEG and --elevation DEG turn it further (as the view controls do).\n"
    "The picture format follows the suffix of OUT (.png, .bmp, ...). OUT may not be\n"
    "FILE; a FIFO or a device is written straight into.\n"
    "Every form takes --appearance classic|natural: the faceted hands of the\n"
    "drawing the shapes were authored with (default), or rounded, shaded hands\n"
    "framed closer; both stand on the same joints.\n"
    "No side of a picture may be larger than 16384 pixels, the largest the offscreen\n"
    "renderer draws.\n"
    "The third form plays TEXT as 'tovaro-cli trace' does and writes every animation\n"
    "step as DIR/000.png, DIR/001.png, ... (at least three digits, numbered as frame\n"
    "recording numbers them; --format bmp for bitmaps), then prints 'Frames <n>'.\n"
    "A DIR that already holds such numbered pictures (.png or .bmp) is refused unless\n"
    "--replace is given, which removes those pictures, and nothing else, first. A text\n"
    "that draws no step (a speed that rounds every move to none, or nothing in it that\n"
    "can be spelled) says so and exits with 1.\n"
    "Exit status: 0 when the picture was written, 1 when a file could not be read or\n"
    "written or nothing could be drawn, 2 for wrong usage.\n";

namespace {

// A form is chosen by the option that names it; the first named one wins.
struct RenderForm {
  QString namingOption;
  int (*run)(const ParsedArguments&, CliStreams);
};

const std::vector<RenderForm>& Forms() {
  static const std::vector<RenderForm> forms = {
      {QStringLiteral("--sign"), RenderKeyFrameForm},
      {QStringLiteral("--chart"), RenderChartForm},
      {QStringLiteral("--frames"), RenderFramesForm},
  };
  return forms;
}

const OptionSpec& RenderOptions() {
  static const OptionSpec spec{
      {"--angles", "--hands", "--sign", "--frame", "--size", "--view", "--out", "--columns",
       "--azimuth", "--elevation", "--system", "--speed", "--numeral-base", "--frames", "--format",
       "--appearance", "--motion"},
      {"--chart", "--roman", "--normalize", "--replace"}};
  return spec;
}

}  // namespace

int RunRenderCommand(const QStringList& arguments, CliStreams streams) {
  if (arguments.contains(QStringLiteral("--help"))) {
    streams.out << kRenderUsage;
    return kExitSuccess;
  }
  QString error;
  const auto parsed = ParseArguments(arguments, RenderOptions(), &error);
  if (!parsed) return RenderUsageError(error, streams);

  const RenderForm* chosen = nullptr;
  for (const RenderForm& form : Forms()) {
    if (!parsed->Has(form.namingOption)) continue;
    if (chosen != nullptr)
      return RenderUsageError(
          QStringLiteral("%1 and %2 cannot be combined").arg(chosen->namingOption, form.namingOption),
          streams);
    chosen = &form;
  }
  if (chosen == nullptr) return RenderUsageError(QStringLiteral("say what to draw"), streams);
  return chosen->run(*parsed, streams);
}
