#include "gl/offscreen_renderer.h"

#include "gl/opengl_driver_preload.h"

#include "signdata/sign_table.h"
#include "hand/hand_skeleton.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/script_player.h"
#include "support/shipped_shapes.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<OffscreenRenderer> MakeRenderer(int width, int height) {
  QString error;
  auto renderer = OffscreenRenderer::Create(width, height, &error);
  EXPECT_TRUE(renderer) << error.toStdString();
  return renderer;
}

// Where a point of the scene lands in the picture (image rows run top down).
QPoint Project(const OffscreenRenderer& renderer, const Vec3& p) {
  ViewState view = renderer.View();
  UpdateCamera(view, renderer.Width(), renderer.Height());
  const CameraSetup camera = ComputeCameraSetup(view);
  const Matrix4 transform =
      Matrix4::Perspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane) *
      Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  const auto clip = transform.Transform({p.x, p.y, p.z, 1.0});
  const double x = (clip[0] / clip[3] + 1.0) / 2.0 * camera.viewportWidth;
  const double y = (1.0 - (clip[1] / clip[3] + 1.0) / 2.0) * camera.viewportHeight;
  return {static_cast<int>(x), static_cast<int>(y)};
}

// The lit skin colour (0.8, 0.5, 0.1) is orange: strong red, little blue.
bool IsSkin(QRgb pixel) { return qRed(pixel) > 90 && qRed(pixel) > qBlue(pixel) + 60; }

Vec3 Middle(const PrismAxis& axis) {
  return {(axis.base.x + axis.top.x) / 2, (axis.base.y + axis.top.y) / 2,
          (axis.base.z + axis.top.z) / 2};
}

void PoseFingers(Hand& hand, float flex, float thumbOut) {
  for (int f = 0; f < 5; ++f)
    for (int s = 0; s < 3; ++s)
      for (int a = 0; a < 3; ++a) hand.SetArthro(f, s, a, 0.0f);
  for (int f = 1; f < 5; ++f)
    for (int s = 0; s < 3; ++s) hand.SetArthro(f, s, 1, flex);
  hand.SetArthro(0, 0, 0, -thumbOut);  // swings the thumb towards the index side
}

int SkinPixelsInColumns(const QImage& image, int from, int to) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = std::max(0, from); x < std::min(image.width(), to); ++x)
      if (IsSkin(image.pixel(x, y))) ++count;
  return count;
}

}  // namespace

TEST(OffscreenRenderer, DrawsTheHandWhereTheRecordingSinkPutsItAndFromBehindInTheSignersView) {
  auto renderer = MakeRenderer(320, 240);
  ASSERT_TRUE(renderer);
  SignTable state = SignTable::WithHands(1);
  PlaybackEngine engine(state, *renderer);
  PoseFingers(engine.HandAt(0), 0.0f, 40.0f);
  engine.HandAt(0).SetPose(2, -20.0f);
  engine.Redraw(0);
  const QImage& image = renderer->Image();
  ASSERT_EQ(image.size(), QSize(320, 240));

  const auto axes = HandPrismAxes(engine.HandAt(0));
  for (int f = 0; f < 5; ++f) {
    const QPoint at = Project(*renderer, Middle(axes[PrismIndex(f, 2)]));
    ASSERT_TRUE(image.rect().contains(at)) << "finger " << f;
    EXPECT_TRUE(IsSkin(image.pixel(at))) << "finger " << f << " at " << at.x() << "," << at.y();
  }
  EXPECT_TRUE(IsSkin(image.pixel(Project(*renderer, Middle(axes[0])))));
  // Away from the hand the background stays black.
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(315, 235), qRgb(0, 0, 0));

  // Moving the wrist moves the picture with it.
  engine.HandAt(0).SetPose(1, 60.0f);
  engine.Redraw(0);
  const QPoint palm = Project(*renderer, Middle(HandPrismAxes(engine.HandAt(0))[0]));
  EXPECT_TRUE(IsSkin(renderer->Image().pixel(palm)));
  EXPECT_GT(palm.x(), 160 + 20);

  // A fist with the thumb stretched out sideways, towards the index side (+y): the
  // signer's view shows it from behind.
  engine.HandAt(0).SetPose(1, 0.0f);
  engine.HandAt(0).SetPose(2, 0.0f);
  PoseFingers(engine.HandAt(0), 90.0f, 90.0f);

  engine.Redraw(0);
  const int centre = Project(*renderer, {0, 0, 25}).x();
  const int viewerRight = SkinPixelsInColumns(renderer->Image(), centre + 40, 320);
  const int viewerLeft = SkinPixelsInColumns(renderer->Image(), 0, centre - 40);

  renderer->View().ViewAzimuth = 180.1f;
  engine.Redraw(0);
  const int signerCentre = Project(*renderer, {0, 0, 25}).x();
  const int signerRight = SkinPixelsInColumns(renderer->Image(), signerCentre + 40, 320);
  const int signerLeft = SkinPixelsInColumns(renderer->Image(), 0, signerCentre - 40);

  // The viewer sees the thumb on the right, the signer behind the hand on the left.
  EXPECT_GT(viewerRight, 100);
  EXPECT_EQ(viewerLeft, 0);
  EXPECT_GT(signerLeft, 100);
  EXPECT_EQ(signerRight, 0);
}

// Saving the picture: render_command_test's numbered pictures and gl/writer_failure_test.cpp.
TEST(OffscreenRenderer, DrawsWithoutARestPoseOrHandsBesideAnotherRendererAndRefusesImpossibleSizes) {
  auto renderer = MakeRenderer(64, 48);
  ASSERT_TRUE(renderer);
  SignTable state;
  state.HandCount = 1;
  PlaybackEngine engine(state, *renderer);
  // No key frame in slot 0: the request is refused and the current pose drawn.
  EXPECT_FALSE(engine.SetHandPose(0, 0));
  engine.Redraw(0);
  engine.Redraw(3);
  EXPECT_EQ(engine.FrameCounter(), 4);
  // Two renderers live side by side, each with its own context.
  auto second = MakeRenderer(20, 20);
  ASSERT_TRUE(second);
  PlaybackEngine secondEngine(state, *second);
  secondEngine.DrawHands();
  state.HandCount = 0;
  engine.Redraw(0);
  EXPECT_EQ(renderer->Image().pixel(32, 24), qRgb(0, 0, 0));
  EXPECT_EQ(second->Image().size(), QSize(20, 20));

  QString error;
  EXPECT_FALSE(OffscreenRenderer::Create(0, 10, &error));
  EXPECT_FALSE(error.isEmpty());
}

// The desktop program loads the driver on a thread while it builds its window, through
// the display the renderers share.
TEST(OffscreenRenderer, DrawsTheSamePictureAfterTheDriverIsPreloadedBesideIt) {
  SignTable table = SignTable::WithHands(1);
  table.Signs[0] = {1, FixedLengthName("rest"), {KeyFrame{}}};
  table.SignCount = 1;
  const auto draw = [&table](OffscreenRenderer& renderer) {
    PlaybackEngine engine(table, renderer);
    engine.SetHandPose(0, 0);
    engine.DrawHands();
    return renderer.Image().copy();
  };
  auto renderer = MakeRenderer(64, 48);
  ASSERT_TRUE(renderer);
  const QImage before = draw(*renderer);
  { const OpenGLDriverPreload preload; }
  EXPECT_EQ(draw(*renderer), before);
  auto after = MakeRenderer(64, 48);
  ASSERT_TRUE(after);
  EXPECT_EQ(draw(*after), before);
}

TEST(OffscreenRenderer, AFramedWordKeepsItsHandsOffThePicturesEdgeInBothAppearances) {
  const auto table = LoadShippedTable(QStringLiteral("PositionBSL.csv"), 2);
  // From the rest pose to I and V, whose hands stand far apart.
  const MoveScript word = {Move::Pose(0, 0), Move::Target(9, 0), Move::Redraw(20), Move::Target(22, 0),
                           Move::Redraw(20)};
  auto renderer = MakeRenderer(160, 120);
  ASSERT_TRUE(renderer);
  PlaybackEngine engine(*table, *renderer);
  // Pictures with a hand on their outermost pixels; the background is the first corner's.
  int atEdge = 0;
  engine.SetStepObserver([&](int32_t) {
    const QImage& image = renderer->Image();
    const QRgb background = image.pixel(0, 0);
    bool touches = false;
    for (int x = 0; x < image.width(); ++x)
      for (int y : {0, image.height() - 1}) touches |= image.pixel(x, y) != background;
    for (int y = 0; y < image.height(); ++y)
      for (int x : {0, image.width() - 1}) touches |= image.pixel(x, y) != background;
    atEdge += touches;
  });
  ImmediatePlayer player(engine);
  player.Play(word);
  EXPECT_GT(atEdge, 0);  // unframed, the hands of I leave the picture

  // Each appearance framed on its own hands: the Natural ones with their forearms.
  for (const HandAppearance appearance : {HandAppearance::Classic, HandAppearance::Natural}) {
    SCOPED_TRACE(appearance == HandAppearance::Natural ? "Natural" : "Classic");
    ASSERT_EQ(renderer->SetAppearance(appearance, nullptr), appearance);
    renderer->SetFraming(ScriptBounds(*table, word, appearance));
    atEdge = 0;
    player.Play(word);
    EXPECT_EQ(atEdge, 0);
  }
}
