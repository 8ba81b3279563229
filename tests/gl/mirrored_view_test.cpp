#include "gl/offscreen_renderer.h"

#include "hand/hand_appearance.h"
#include "playback/playback_engine.h"
#include "support/shipped_shapes.h"
#include "signdata/sign_table.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Pixels whose colour differs by more than a little in any channel.
int DifferentPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 ||
          std::abs(qBlue(p) - qBlue(q)) > 8)
        ++count;
    }
  return count;
}

int LitPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) > 30;
  return count;
}

}  // namespace

// A left-handed signer's signs are the mirror image of a right-handed signer's: the
// picture flipped left to right, the two-handed alphabets' dominant hand on the other side.
TEST(MirroredView, TheMirrorShowsTheMirrorImageOfTheUnmirroredPicture) {
  const struct {
    const char* file;
    int hands;
    int sign;
    HandAppearance appearance;
  } cases[] = {{"PositionASL.csv", 1, 1, HandAppearance::Classic},
               {"PositionBSL.csv", 2, 2, HandAppearance::Classic},
               {"PositionBSL.csv", 2, 5, HandAppearance::Natural}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const auto shipped = LoadShippedTable(c.file, c.hands);
    const SignTable& table = *shipped;
    QString error;
    auto renderer = OffscreenRenderer::Create(240, 180, &error);
    ASSERT_TRUE(renderer) << error.toStdString();
    renderer->SetAppearance(c.appearance, nullptr);
    PlaybackEngine engine(table, *renderer);
    ASSERT_TRUE(engine.SetHandPose(c.sign, 0));

    engine.DrawHands();
    const QImage plain = renderer->Image().copy();
    renderer->View().Mirrored = true;
    engine.DrawHands();
    const QImage mirrored = renderer->Image().copy();

    ASSERT_GT(LitPixels(plain), 500);
    // Not symmetric to begin with, so the test can tell a mirror from no change.
    EXPECT_GT(DifferentPixels(plain, mirrored), LitPixels(plain) / 10);
    EXPECT_LT(DifferentPixels(plain.mirrored(true, false), mirrored), LitPixels(plain) / 50);
  }
}
