#include "cli/landmarks_command.h"

#include "base/message_sink.h"
#include "cli/argument_list.h"
#include "cli/text_playback_options.h"
#include "hand/hand.h"
#include "hand/hand_landmarks.h"
#include "playback/blank_drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "signdata/angle_file.h"
#include "signdata/key_frame_pose.h"
#include "signdata/sign_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <span>

const char* const kLandmarksUsage =
    "Usage: tovaro-cli landmarks --angles FILE --hands 1|2 --sign S [--frame F]\n"
    "       tovaro-cli landmarks --system S --angles FILE --speed V [--numeral-base B]\n"
    "                            [--roman] [--normalize] [--motion lifelike|described]\n"
    "                            --steps TEXT\n"
    "\n"
    "Prints the named points of the hands of key frame F (counted from 0, default 0)\n"
    "of sign S, in the coordinates of the default view (+x towards the viewer, +y to\n"
    "the viewer's right, +z up), as one line of JSON: the sign, its name, the key\n"
    "frame and the frame count, and under \"hands\" one object per hand (the right\n"
    "hand first) with its landmarks: wrist, palm, back, heel, edge; each fingertip\n"
    "(thumb, index, middle, ring, little) and each joint along a finger (index.0 the\n"
    "base joint, index.1 and index.2 the next), every one as [x, y, z].\n"
    "The second form plays TEXT as 'tovaro-cli trace' does and prints one such line\n"
    "for every animation step, with \"step\" (counted from 0) and the hands shown.\n"
    "Exit status: 0 on success, 1 when the file cannot be read or the sign or key\n"
    "frame does not exist, 2 for wrong usage.\n";

namespace {

const char* const kFingers[] = {"thumb", "index", "middle", "ring", "little"};

QJsonArray PointJson(const Vec3& point) {
  // Tenths of a unit are finer than anything drawn, and keep the lines short.
  auto round = [](float value) { return std::round(static_cast<double>(value) * 10.0) / 10.0; };
  return QJsonArray{round(point.x), round(point.y), round(point.z)};
}

QJsonObject LandmarksJson(const Hand& hand) {
  QStringList names = {QStringLiteral("wrist"), QStringLiteral("palm"), QStringLiteral("back"),
                       QStringLiteral("heel"), QStringLiteral("edge")};
  for (const char* finger : kFingers) {
    const QString name = QString::fromLatin1(finger);
    names << name << name + QStringLiteral(".0") << name + QStringLiteral(".1") << name + QStringLiteral(".2");
  }
  QJsonObject points;
  for (const QString& name : names)
    if (const std::optional<Vec3> point = HandLandmark(hand, name)) points.insert(name, PointJson(*point));
  return points;
}

QJsonArray HandsJson(std::span<const Hand> hands) {
  QJsonArray objects;
  for (size_t h = 0; h < hands.size(); ++h)
    objects.append(QJsonObject{{"hand", h == 0 ? QStringLiteral("right") : QStringLiteral("left")},
                               {"landmarks", LandmarksJson(hands[h])}});
  return objects;
}

// The second form: a line for every animation step of a played text.
int RunStepLandmarks(const ParsedArguments& arguments, CliStreams streams,
                     const std::function<int(const QString&)>& usageError) {
  ParsedArguments text = arguments;
  text.positional = {arguments.Value("--steps")};
  text.values.remove("--steps");
  QString error;
  const std::optional<TextPlaybackRequest> request = ReadTextPlaybackOptions(text, &error);
  if (!request) return usageError(error);

  SignTable table;
  BlankDrawingArea area;
  PlaybackEngine engine(table, area);
  engine.SetStepObserver([&engine, &streams](int32_t step) {
    const QJsonObject line{{"step", step}, {"hands", HandsJson(engine.Hands().first(static_cast<size_t>(engine.ShownHands())))}};
    streams.out << QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)) << "\n";
  });
  ImmediatePlayer player(engine);
  CollectingMessageSink messages;
  const TextPlaybackResult played = PlayText(table, player, messages, *request);
  for (const QString& message : messages.messages) streams.err << message << "\n";
  if (const auto status = ReportUnplayedText(played, *request, streams, &error)) return *status;
  if (!error.isEmpty()) return usageError(error);
  return kExitSuccess;
}

}  // namespace

int RunLandmarksCommand(const QStringList& arguments, CliStreams streams) {
  if (AsksForHelp(arguments)) {
    streams.out << kLandmarksUsage;
    return kExitSuccess;
  }
  auto usageError = [&streams](const QString& what) {
    streams.err << "tovaro-cli landmarks: " << what << "\n" << kLandmarksUsage;
    return kExitUsage;
  };
  QString error;
  const auto parsed = ParseArguments(arguments,
                                     {{"--angles", "--hands", "--sign", "--frame", "--system", "--speed",
                                       "--numeral-base", "--motion", "--steps"},
                                      {"--roman", "--normalize"}},
                                     &error);
  if (!parsed) return usageError(error);
  if (parsed->values.contains("--steps")) return RunStepLandmarks(*parsed, streams, usageError);
  for (const char* played : {"--system", "--speed", "--numeral-base", "--motion", "--roman", "--normalize"})
    if (parsed->Has(QString::fromLatin1(played))) return usageError(QStringLiteral("%1 needs --steps TEXT").arg(played));
  if (!parsed->positional.isEmpty())
    return usageError(QStringLiteral("unexpected argument %1").arg(parsed->positional[0]));
  const auto hands = ParseIntInRange(parsed->Value("--hands"), 1, 2);
  if (!hands) return usageError(QStringLiteral("--hands must be 1 or 2"));
  if (!parsed->values.contains("--angles")) return usageError(QStringLiteral("--angles FILE is missing"));
  const auto sign = ParseIntInRange(parsed->Value("--sign"), 0, kSignSlots - 1);
  if (!sign) return usageError(QStringLiteral("--sign must be a slot from 0 to %1").arg(kSignSlots - 1));
  const auto frame = ParseIntInRange(parsed->Value("--frame", QStringLiteral("0")), 0, 1 << 20);
  if (!frame) return usageError(QStringLiteral("--frame must be a whole number from 0"));

  SignTable state = SignTable::WithHands(*hands);
  const QString file = parsed->Value("--angles");
  const FileResult loaded = LoadAngleFile(state, file);
  if (!loaded) {
    streams.err << "Error " << file << ": " << loaded.reason << "\n";
    return kExitFailure;
  }
  const SignRecord& record = state.Signs[*sign];
  const int frameCount = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
  if (*sign >= state.SignCount || frameCount == 0) {
    streams.err << "tovaro-cli landmarks: " << file << " has no sign " << *sign << "\n";
    return kExitFailure;
  }
  if (*frame >= frameCount) {
    streams.err << "tovaro-cli landmarks: sign " << *sign << " has " << frameCount << " key frames, from 0\n";
    return kExitFailure;
  }

  const KeyFrame& keyFrame = record.Frames[*frame];
  QJsonArray handObjects;
  auto hand = std::make_unique<Hand>();
  for (int h = 0; h < *hands; ++h) {
    PoseHandBetween(*hand, keyFrame, keyFrame, h, 0.0f);
    QJsonObject object{{"hand", h == 0 ? QStringLiteral("right") : QStringLiteral("left")},
                       {"landmarks", LandmarksJson(*hand)}};
    handObjects.append(object);
  }
  const QJsonObject result{{"sign", *sign},
                           {"name", record.Name.trimmed()},
                           {"frame", *frame},
                           {"frames", frameCount},
                           {"hands", handObjects}};
  streams.out << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact)) << "\n";
  return kExitSuccess;
}
