#include "gui/practice/sign_pair_pictures.h"

#include "gl/offscreen_renderer.h"
#include "gl/reference_chart.h"
#include "playback/playback_engine.h"
#include "playback/view_controls.h"
#include "signdata/sign_table.h"

#include <QOpenGLContext>

SignPairPictures DrawSignPair(const SignTable& table, int shownSign, int readSign, QSize size,
                              HandAppearance appearance) {
  // A thread has one current context at a time: the main window's is let go so the
  // offscreen one can draw; the main window makes its own current again to paint.
  if (QOpenGLContext* current = QOpenGLContext::currentContext()) current->doneCurrent();
  QString error;
  const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::Create(size.width(), size.height(), &error);
  if (!renderer) return {};
  renderer->SetAppearance(appearance, nullptr);
  renderer->View() = StartView(table.HandCount);
  PlaybackEngine engine(table, *renderer);
  const auto draw = [&](int sign) {
    if (!engine.SetHandPose(sign, 0)) return QImage();
    FrameSign(*renderer, table, sign, 0);
    engine.DrawHands();
    return renderer->Image().copy();
  };
  SignPairPictures pictures;
  pictures.shown = draw(shownSign);
  pictures.read = draw(readSign);
  return pictures;
}
