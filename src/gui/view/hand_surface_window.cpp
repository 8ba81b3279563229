#include "gui/view/hand_surface_window.h"

#include "gl/gl_primitive_sink.h"
#include "gl/gl_view_setup.h"
#include "gl/natural_hand_renderer.h"
#include "gl/natural_hands_message.h"
#include "playback/camera.h"
#include "playback/framing_fit.h"

#include <QOpenGLContext>

#include <GL/gl.h>

#include <cmath>
#include <vector>

HandSurfaceWindow::HandSurfaceWindow(const ViewState& view)
    : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate), view_(view) {}

HandSurfaceWindow::~HandSurfaceWindow() {
  // The natural renderer's programs and buffers belong to this window's context.
  if (!natural_ || !isValid()) return;
  makeCurrent();
  natural_.reset();
  doneCurrent();
}

void HandSurfaceWindow::ShowScene(const HandScene& scene) {
  scene_ = scene;
  // Presented from the event loop rather than through update(), whose platform timer
  // holds every picture back a few milliseconds (5 on X11) after its step.
  if (presentAsked_) return;
  presentAsked_ = true;
  QMetaObject::invokeMethod(this, &HandSurfaceWindow::Present, Qt::QueuedConnection);
}

void HandSurfaceWindow::Present() {
  presentAsked_ = false;
  // An unexposed window is drawn when it is exposed.
  if (!isValid() || !isExposed()) {
    update();
    return;
  }
  makeCurrent();
  Draw();
  Swap();
  emit frameSwapped();
}

void HandSurfaceWindow::Swap() {
  swappedSize_ = QSize(PixelWidth(), PixelHeight());
  context()->swapBuffers(this);
}

void HandSurfaceWindow::SetFraming(std::optional<Box> framing) {
  framing_ = framing;
  ShowScene(scene_);
}

HandAppearance HandSurfaceWindow::SetAppearance(HandAppearance appearance, QString* message) {
  appearance_ = appearance;
  // Without a context yet, initializeGL makes the renderer.
  if (!isValid()) return appearance_;
  if (appearance == HandAppearance::Classic) {
    if (natural_) {
      makeCurrent();
      natural_.reset();
      doneCurrent();
    }
    return appearance_;
  }
  if (!natural_) {
    makeCurrent();
    MakeNaturalRenderer(message);
    doneCurrent();
  }
  return appearance_;
}

bool HandSurfaceWindow::MakeNaturalRenderer(QString* message) {
  QString why;
  natural_ = NaturalHandRenderer::Create(Hand(), DefaultNaturalShaders(), &why);
  if (natural_) return true;
  appearance_ = HandAppearance::Classic;
  if (message != nullptr) *message = NaturalHandsUnavailableMessage(why);
  return false;
}

void HandSurfaceWindow::initializeGL() {
  InitRenderState();
  natural_.reset();
  QString message;
  if (appearance_ == HandAppearance::Natural && !MakeNaturalRenderer(&message))
    emit naturalHandsUnavailable(message);
}

int HandSurfaceWindow::PixelWidth() const {
  return static_cast<int>(std::lround(width() * devicePixelRatio()));
}

int HandSurfaceWindow::PixelHeight() const {
  return static_cast<int>(std::lround(height() * devicePixelRatio()));
}

void HandSurfaceWindow::paintGL() {
  Draw();
  // QOpenGLWindow swaps after this.
  swappedSize_ = QSize(PixelWidth(), PixelHeight());
}

void HandSurfaceWindow::Draw() {
  // The picture follows the window's size now, even when it was resized in the middle
  // of a movement.
  const ViewState camera = FramedView(view_, framing_, natural_ ? HandAppearance::Natural : HandAppearance::Classic,
                                      scene_.count, PixelWidth(), PixelHeight());
  if (natural_) {
    std::vector<const Hand*> hands;
    for (const Hand& hand : scene_.Shown()) hands.push_back(&hand);
    natural_->Draw(ComputeCameraSetup(camera), hands);
    return;
  }
  SetCamera(ComputeCameraSetup(camera));
  SetLights(camera);
  glClear(GL_COLOR_BUFFER_BIT);
  glClear(GL_DEPTH_BUFFER_BIT);
  GlPrimitiveSink sink;
  for (const Hand& hand : scene_.Shown()) hand.draw(sink);
}

QImage HandSurfaceWindow::Picture() {
  if (!isValid()) return QImage();
  makeCurrent();
  if (swappedSize_ != QSize(PixelWidth(), PixelHeight())) {
    // Resized since the last swap: this swap gives the buffers their new size (and shows
    // the picture there is), and the next drawing fills them.
    Draw();
    Swap();
  }
  Draw();
  QImage picture(PixelWidth(), PixelHeight(), QImage::Format_RGBX8888);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, picture.width(), picture.height(), GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
  doneCurrent();
  // OpenGL's rows run bottom to top, an image's top to bottom.
  return std::move(picture).mirrored(false, true);
}
