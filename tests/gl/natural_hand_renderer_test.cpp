#include "gl/natural_hand_renderer.h"

#include "hand/hand.h"
#include "playback/camera.h"
#include "gl/offscreen_renderer.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<OffscreenRenderer> MakeRenderer() {
  QString error;
  auto renderer = OffscreenRenderer::Create(160, 120, &error);
  EXPECT_TRUE(renderer) << error.toStdString();
  return renderer;
}

// One hand with every angle 0: straight up.
struct StraightHandScene {
  Hand hand;
  HandScene Scene() const { return {std::span<const Hand>(&hand, 1), 1}; }
};

QImage Draw(OffscreenRenderer& renderer, const StraightHandScene& hand) {
  renderer.DrawHands(hand.Scene());
  return renderer.Image();
}

int SkinPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      count += qRed(p) > 110 && qRed(p) > qBlue(p) + 30;
    }
  return count;
}

}  // namespace

// The Classic picture, exactly, is what a renderer draws when the Natural hands'
// shaders do not compile or do not link (saying why), and again after the Natural hands.
// That the command line draws either: render_command_test.
TEST(NaturalHandRenderer, TheNaturalHandsDrawSkinAndTheClassicPictureIsTheFallbackAndTheWayBack) {
  const StraightHandScene state;
  auto classic = MakeRenderer();
  ASSERT_TRUE(classic);
  const QImage expected = Draw(*classic, state);
  auto renderer = MakeRenderer();
  ASSERT_TRUE(renderer);

  NaturalShaderSources uncompiled = DefaultNaturalShaders();
  uncompiled.skinFragment.replace("gl_FragColor", "gl_FragColour");
  NaturalShaderSources unlinked = DefaultNaturalShaders();
  unlinked.outlineFragment.replace("void main()", "void unused()");
  for (const auto& [sources, shader] : {std::pair{uncompiled, "skin"}, std::pair{unlinked, "outline"}}) {
    QString message;
    EXPECT_EQ(renderer->SetAppearance(HandAppearance::Natural, &message, sources), HandAppearance::Classic);
    EXPECT_TRUE(message.startsWith("Natural hands cannot be drawn")) << message.toStdString();
    EXPECT_TRUE(message.contains(shader)) << message.toStdString();
    EXPECT_EQ(Draw(*renderer, state), expected);
  }

  // The default shaders compile and link and draw a skin-coloured hand on a ground
  // darker than any lit skin.
  QString message;
  ASSERT_EQ(renderer->SetAppearance(HandAppearance::Natural, &message), HandAppearance::Natural)
      << message.toStdString();
  const QImage natural = Draw(*renderer, state);
  EXPECT_NE(natural, expected);
  EXPECT_GT(SkinPixels(natural), 800);
  for (const QPoint corner : {QPoint(0, 0), QPoint(159, 0), QPoint(0, 119), QPoint(159, 119)})
    EXPECT_LT(qGray(natural.pixel(corner)), 70);
  renderer->SetAppearance(HandAppearance::Classic, nullptr);
  EXPECT_EQ(Draw(*renderer, state), expected);
}
