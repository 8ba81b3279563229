#include "gui/view/hand_surface_window.h"

#include "gl/gl_primitive_sink.h"
#include "gl/gl_view_setup.h"
#include "gl/natural_hand_renderer.h"
#include "gl/natural_hands_message.h"
#include "playback/camera.h"
#include "playback/framing_fit.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>

#include <GL/gl.h>

#include <cmath>
#include <vector>

HandSurfaceWindow::HandSurfaceWindow(const ViewState& view)
    : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate), view_(view) {}

HandSurfaceWindow::~HandSurfaceWindow() {
  // The natural renderer's programs and buffers, and the picture framebuffer, belong to
  // this window's context.
  if (!MakeCurrent()) return;
  natural_.reset();
  ReleaseTarget();
  doneCurrent();
}

bool HandSurfaceWindow::MakeCurrent() {
  // Not while another API's context (the offscreen renderer's EGL) is current.
  return isValid() && context()->makeCurrent(this);
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
  if (!isExposed() || !MakeCurrent()) {
    update();
    return;
  }
  Draw();
  context()->swapBuffers(this);
  emit frameSwapped();
}

void HandSurfaceWindow::SetFraming(std::optional<Box> framing) {
  framing_ = framing;
  ShowScene(scene_);
}

HandAppearance HandSurfaceWindow::SetAppearance(HandAppearance appearance, QString* message) {
  appearance_ = appearance;
  // Without a context yet, initializeGL makes the renderer.
  if (!MakeCurrent()) return appearance_;
  if (appearance == HandAppearance::Classic) natural_.reset();
  else if (!natural_) MakeNaturalRenderer(message);
  doneCurrent();
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

void HandSurfaceWindow::paintGL() { Draw(); }

void HandSurfaceWindow::ReleaseTarget() {
  QOpenGLFunctions* gl = context()->functions();
  if (framebuffer_ != 0) gl->glDeleteFramebuffers(1, &framebuffer_);
  if (colour_ != 0) gl->glDeleteRenderbuffers(1, &colour_);
  if (depth_ != 0) gl->glDeleteRenderbuffers(1, &depth_);
  framebuffer_ = colour_ = depth_ = 0;
  targetSize_ = QSize();
}

bool HandSurfaceWindow::PrepareTarget(QSize size) {
  if (framebuffer_ != 0 && size == targetSize_) return true;
  ReleaseTarget();
  if (!context()->hasExtension("GL_ARB_framebuffer_object") && context()->format().majorVersion() < 3) return false;
  QOpenGLFunctions* gl = context()->functions();
  gl->glGenFramebuffers(1, &framebuffer_);
  gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  gl->glGenRenderbuffers(1, &colour_);
  gl->glBindRenderbuffer(GL_RENDERBUFFER, colour_);
  gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, size.width(), size.height());
  gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  gl->glGenRenderbuffers(1, &depth_);
  gl->glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, size.width(), size.height());
  gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  gl->glBindRenderbuffer(GL_RENDERBUFFER, 0);
  const bool complete = gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
  if (!complete) {
    ReleaseTarget();
    return false;
  }
  targetSize_ = size;
  return true;
}

void HandSurfaceWindow::Draw() {
  const QSize size(PixelWidth(), PixelHeight());
  if (size.isEmpty()) return;
  QOpenGLExtraFunctions* gl = context()->extraFunctions();
  const bool separate = PrepareTarget(size);
  if (separate) gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  // The picture follows the window's size now, even when it was resized in the middle
  // of a movement.
  const ViewState camera = FramedView(view_, framing_, natural_ ? HandAppearance::Natural : HandAppearance::Classic,
                                      scene_.count, PixelWidth(), PixelHeight());
  if (natural_) {
    std::vector<const Hand*> hands;
    for (const Hand& hand : scene_.Shown()) hands.push_back(&hand);
    natural_->Draw(ComputeCameraSetup(camera), hands);
  } else {
    SetCamera(ComputeCameraSetup(camera));
    SetLights(camera);
    glClear(GL_COLOR_BUFFER_BIT);
    glClear(GL_DEPTH_BUFFER_BIT);
    GlPrimitiveSink sink;
    for (const Hand& hand : scene_.Shown()) hand.draw(sink);
  }
  if (!separate) return;
  gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
  gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(), GL_COLOR_BUFFER_BIT,
                        GL_NEAREST);
}

QImage HandSurfaceWindow::Picture() {
  if (!MakeCurrent()) return QImage();
  Draw();
  QImage picture(PixelWidth(), PixelHeight(), QImage::Format_RGBX8888);
  // From the picture framebuffer, whose size is the window's at once; the window's own
  // buffers take a new size only at the next swap.
  if (framebuffer_ == 0) glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, picture.width(), picture.height(), GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
  context()->functions()->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
  doneCurrent();
  // OpenGL's rows run bottom to top, an image's top to bottom.
  return std::move(picture).mirrored(false, true);
}
