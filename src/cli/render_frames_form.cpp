#include "base/message_sink.h"
#include "cli/nothing_drawn_reason.h"
#include "cli/render_forms.h"
#include "cli/render_setup.h"
#include "cli/text_playback_options.h"
#include "gl/offscreen_renderer.h"
#include "playback/frame_recorder.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/script_player.h"
#include "playback/view_state.h"
#include "signdata/sign_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace {

// The engine records every step as <number>.bmp, as frame recording does; this area
// keeps the number and writes the picture in the format asked for.
class FrameFilesArea : public DrawingArea {
 public:
  FrameFilesArea(OffscreenRenderer& renderer, QString suffix)
      : renderer_(renderer), suffix_(std::move(suffix)) {}

  int Width() const override { return renderer_.Width(); }
  int Height() const override { return renderer_.Height(); }
  void DrawHands(const HandScene& scene) override { renderer_.DrawHands(scene); }
  bool SaveFrame(const QString& path) override {
    const QFileInfo recorded(path);
    const QString file = recorded.dir().filePath(recorded.completeBaseName() + u'.' + suffix_);
    const bool saved = renderer_.SaveFrame(file);
    if (saved) {
      ++written_;
      return true;
    }
    const QString& reason = renderer_.LastSaveError();
    failed_ << (reason.isEmpty() ? file : file + QStringLiteral(": ") + reason);
    return false;
  }

  int Written() const { return written_; }
  // Each picture that could not be written, with the reason where one is known.
  const QStringList& Failed() const { return failed_; }

 private:
  OffscreenRenderer& renderer_;
  QString suffix_;
  int written_ = 0;
  QStringList failed_;
};

// Frames each word on the renderer as a whole before it plays, so that none of its
// pictures leaves the view.
class FramingPlayer : public ScriptPlayer {
 public:
  FramingPlayer(PlaybackEngine& engine, OffscreenRenderer& renderer)
      : engine_(engine), renderer_(renderer), player_(engine) {}
  void Play(const MoveScript& script) override {
    renderer_.SetFraming(ScriptBounds(engine_.Table(), script, renderer_.Appearance(), engine_.Hands()));
    played_.insert(played_.end(), script.begin(), script.end());
    player_.Play(script);
  }

  // Every move played so far, in order.
  const MoveScript& Played() const { return played_; }

 private:
  MoveScript played_;
  PlaybackEngine& engine_;
  OffscreenRenderer& renderer_;
  ImmediatePlayer player_;
};

// The pictures a run numbers as frame recording does, in either format: left beside a
// new run's they would pass for its later steps.
QStringList NumberedPictures(const QString& folder) {
  static const QRegularExpression numbered(QStringLiteral("^[0-9]{3,}\\.(png|bmp)$"));
  QStringList pictures = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  pictures.removeIf([](const QString& name) { return !numbered.match(name).hasMatch(); });
  return pictures;
}

// Nullopt when the folder holds no numbered picture any more; an exit status when
// it still does, having said why.
std::optional<int> ClearNumberedPictures(const QString& folder, bool replace, CliStreams streams) {
  const QStringList pictures = NumberedPictures(folder);
  if (pictures.isEmpty()) return std::nullopt;
  if (!replace) {
    streams.err << "tovaro-cli render: the folder " << folder << " already holds numbered pictures ("
                << pictures.first() << (pictures.size() > 1 ? ", ..." : "")
                << "); give --replace to remove them first\n";
    return kExitFailure;
  }
  const QDir dir(folder);
  for (const QString& picture : pictures) {
    if (QFile::remove(dir.filePath(picture))) continue;
    streams.err << "tovaro-cli render: cannot remove " << dir.filePath(picture) << "\n";
    return kExitFailure;
  }
  return std::nullopt;
}

}  // namespace

int RenderFramesForm(const ParsedArguments& arguments, CliStreams streams) {
  for (const char* other : {"--hands", "--sign", "--frame", "--columns", "--out"})
    if (arguments.Has(QString::fromLatin1(other)))
      return RenderUsageError(QStringLiteral("%1 does not go with --frames").arg(other), streams);
  QString error;
  const auto request = ReadTextPlaybackOptions(arguments, &error);
  if (!request) return RenderUsageError(error, streams);
  const QString format = arguments.Value("--format", QStringLiteral("png"));
  if (format != u"png" && format != u"bmp")
    return RenderUsageError(QStringLiteral("--format must be png or bmp"), streams);

  ViewState view;
  QSize size;
  if (const auto status = ApplyPictureOptions(arguments, view, QSize(640, 480), &size, streams))
    return *status;

  const QString folder = arguments.Value("--frames");
  if (!QDir().mkpath(folder)) {
    streams.err << "tovaro-cli render: cannot make the folder " << folder << "\n";
    return kExitFailure;
  }
  if (const auto status = ClearNumberedPictures(folder, arguments.Has(QStringLiteral("--replace")), streams))
    return *status;
  auto renderer = MakeRenderer(arguments, size, streams);
  if (!renderer) return kExitFailure;
  renderer->View() = view;
  FrameFilesArea area(*renderer, format);
  SignTable table;
  PlaybackEngine engine(table, area);
  FrameRecorder recorder(engine);
  recorder.Start(QDir(folder).absolutePath() + u'/');
  FramingPlayer player(engine, *renderer);

  CollectingMessageSink messages;
  const TextPlaybackResult played = PlayText(table, player, messages, *request);
  for (const QString& message : messages.messages) streams.err << message << "\n";
  if (const auto status = ReportUnplayedText(played, *request, streams, &error)) return *status;
  if (!error.isEmpty()) return RenderUsageError(error, streams);

  for (const QString& file : area.Failed())
    streams.err << "tovaro-cli render: cannot write " << file << "\n";
  streams.out << "Frames " << area.Written() << "\n";
  if (const std::optional<QString> reason = NothingDrawnReason(player.Played())) {
    streams.err << "tovaro-cli render: " << *reason << "\n";
    return kExitFailure;
  }
  return area.Failed().isEmpty() ? kExitSuccess : kExitFailure;
}
