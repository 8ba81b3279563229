#include "playback/framing_fit.h"

#include "convert/system_id.h"
#include "convert/text_playback.h"
#include "hand/hand_landmarks.h"
#include "hand/hand_skeleton.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/script_player.h"
#include "support/shipped_shapes.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

// Every joint, fingertip and palm landmark of the hands in every picture drawn.
class LandmarkArea : public DrawingArea {
 public:
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene& scene) override {
    for (const Hand& hand : scene.Shown()) {
      for (const PrismAxis& axis : HandPrismAxes(hand)) points.insert(points.end(), {axis.base, axis.top});
      for (const char* name : {"wrist", "palm", "heel", "back", "edge"})
        points.push_back(*HandLandmark(hand, QString::fromLatin1(name)));
    }
  }
  bool SaveFrame(const QString&) override { return false; }

  std::vector<Vec3> points;
};

std::vector<Vec3> LandmarksOf(const SignTable& table, const MoveScript& script) {
  LandmarkArea area;
  PlaybackEngine engine(table, area);
  RunScript(engine, script);
  return area.points;
}

// Where the points land in a picture of width × height, the picture running -1..1 across
// and up; `outside` counts those that miss it.
struct Extent {
  double left = 2, right = -2, bottom = 2, top = -2;
  int outside = 0;
  double Height() const { return (top - bottom) / 2.0; }
  double Width() const { return (right - left) / 2.0; }
};

Extent Project(const std::vector<Vec3>& points, const ViewState& framed, int width, int height) {
  ViewState view = framed;
  UpdateCamera(view, width, height);
  const CameraSetup camera = ComputeCameraSetup(view);
  const Matrix4 transform =
      Matrix4::Perspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane) *
      Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  Extent extent;
  for (const Vec3& p : points) {
    const auto clip = transform.Transform({p.x, p.y, p.z, 1.0});
    const double x = clip[0] / clip[3], y = clip[1] / clip[3];
    extent = {std::min(extent.left, x), std::max(extent.right, x), std::min(extent.bottom, y),
              std::max(extent.top, y), extent.outside + (clip[3] <= 0 || std::abs(x) > 1 || std::abs(y) > 1)};
  }
  return extent;
}

// The golden-trace words as they were traced: the system's table beside the traces and
// the moves the trace printed.
struct TracedWord {
  QString name;
  const SignTable* table = nullptr;
  int hands = 0;
  MoveScript script;
};

QString TableOfSystem(int system, int base) {
  static const std::map<int, QString> kTables = {{0, "PositionBSL.csv"}, {1, "PositionINA.csv"},
                                                 {2, "PositionASL.csv"}, {3, "PositionASL.csv"},
                                                 {4, "PositionJSL.csv"}, {5, "PositionKSL.csv"}};
  if (system == 6) return base == 41 ? "PositionKSL.csv" : "PositionJSL.csv";
  return kTables.at(system);
}

std::vector<TracedWord> TracedWords(std::map<QString, std::unique_ptr<SignTable>>& tables) {
  QFile file(QStringLiteral(TOVARO_SOURCE_DIR "/tests/data/traces/expected.txt"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  std::vector<TracedWord> words;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    const QStringList parts = line.split(u' ');
    if (line.startsWith(QStringLiteral("== "))) {
      const QStringList fields = line.mid(3).split(u'|');
      const int system = fields[0].toInt();
      const QString path = QStringLiteral(TOVARO_SOURCE_DIR "/tests/data/traces/") + TableOfSystem(system, fields[1].toInt());
      const int hands = TableHandsOfSystem(*SystemFromNumber(system));
      auto& table = tables[path + QString::number(hands)];
      if (!table) {
        table = std::make_unique<SignTable>(SignTable::WithHands(hands));
        const FileResult loaded = LoadAngleFile(*table, path);
        EXPECT_TRUE(loaded) << path.toStdString() << ": " << loaded.reason.toStdString();
      }
      words.push_back({line.mid(3), table.get(), hands, {}});
    } else if (parts[0] == u"SetHandPose") {
      words.back().script.push_back(Move::Pose(parts[1].toInt(), parts[2].toInt()));
    } else if (parts[0] == u"SetHandTargetShifted") {
      WristOffsets offsets{};
      for (size_t i = 0; i < offsets.size(); ++i) offsets[i] = parts[static_cast<qsizetype>(3 + i)].toFloat();
      words.back().script.push_back(Move::TargetShifted(parts[1].toInt(), parts[2].toInt(), offsets));
    } else if (parts[0] == u"SetHandTarget") {
      words.back().script.push_back(Move::Target(parts[1].toInt(), parts[2].toInt()));
    } else if (parts[0] == u"Redraw") {
      words.back().script.push_back(Move::Redraw(parts[1].toInt()));
    }
  }
  return words;
}

ViewState Turned(float azimuth, float elevation, bool mirrored, float angle = 40.0f) {
  ViewState view;
  view.ViewAzimuth = azimuth;
  view.ViewElevation = elevation;
  view.Mirrored = mirrored;
  view.ViewAngle = angle;
  return view;
}

MoveScript OneKeyFrame(int sign) { return {Move::Pose(sign, 0), Move::Redraw(0)}; }

}  // namespace

TEST(FitFraming, NoLandmarkOfAGoldenTraceWordLeavesThePictureFromAnyViewPointOrAppearance) {
  struct Picture {
    ViewState view;
    int width, height;
  };
  const std::vector<Picture> pictures = {
      {ViewState{}, 640, 480},                       // Home
      {Turned(180.1f, 20.0f, false), 640, 480},      // the signer's own view
      {Turned(60.0f, -35.0f, true), 320, 320},       // turned, tilted, mirrored, square
      {Turned(-90.0f, 89.0f, false), 300, 600},      // from above, a tall picture
      {Turned(0.1f, 20.0f, false, 100.0f), 200, 80}  // zoomed right out, a wide strip
  };
  std::map<QString, std::unique_ptr<SignTable>> tables;
  const std::vector<TracedWord> words = TracedWords(tables);
  ASSERT_GT(words.size(), 30u);
  int played = 0;
  for (const TracedWord& word : words) {
    if (word.script.empty()) continue;  // the trace refused it
    ++played;
    const std::vector<Vec3> landmarks = LandmarksOf(*word.table, word.script);
    for (const HandAppearance appearance : {HandAppearance::Classic, HandAppearance::Natural}) {
      const Box bounds = ScriptBounds(*word.table, word.script, appearance);
      for (const Picture& picture : pictures) {
        const ViewState camera =
            FramedView(picture.view, bounds, appearance, word.hands, picture.width, picture.height);
        EXPECT_EQ(camera.ViewAzimuth, picture.view.ViewAzimuth);
        EXPECT_EQ(camera.ViewElevation, picture.view.ViewElevation);
        EXPECT_EQ(camera.Mirrored, picture.view.Mirrored);
        EXPECT_EQ(Project(landmarks, camera, picture.width, picture.height).outside, 0)
            << word.name.toStdString() << " at " << picture.width << "x" << picture.height << " azimuth "
            << picture.view.ViewAzimuth;
      }
    }
  }
  EXPECT_GT(played, 30);
}

TEST(FitFraming, ASignFillsHalfThePictureAndTheUsersZoomScalesTheFit) {
  struct Case {
    const char* file;
    int hands;
    int sign;
    bool inHomeView;    // the unfitted view holds the whole box
    bool sideBySide;    // the hands stand apart: the picture's width limits the fit
  };
  const Case cases[] = {
      {"PositionASL.csv", 1, 2, true, false},   // B: flat, fingers up
      {"PositionASL.csv", 1, 7, true, false},   // G: pointing sideways
      {"PositionBSL.csv", 2, 0, true, false},   // the rest pose
      {"PositionBSL.csv", 2, 9, false, true},   // I: the hands well apart
      {"PositionBSL.csv", 2, 22, true, false},  // V, coming down from the side
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file << " sign " << c.sign);
    const auto table = LoadShippedTable(QString::fromLatin1(c.file), c.hands);
    const MoveScript script = OneKeyFrame(c.sign);
    const Box bounds = ScriptBounds(*table, script);
    const std::vector<Vec3> landmarks = LandmarksOf(*table, script);
    EXPECT_EQ(BoxInView(ViewState{}, bounds, 640, 480), c.inHomeView);

    const Extent fitted = Project(landmarks, FitFraming(ViewState{}, bounds, 640.0f / 480.0f), 640, 480);
    EXPECT_EQ(fitted.outside, 0);
    EXPECT_GE(c.sideBySide ? fitted.Width() : fitted.Height(), 0.5);
    ViewState zoomed;
    zoomed.ViewAngle = 20.0f;
    const Extent closer = Project(landmarks, FitFraming(zoomed, bounds, 640.0f / 480.0f), 640, 480);
    EXPECT_NEAR(closer.Height() / fitted.Height(), 2.0, 0.06);
  }
}
