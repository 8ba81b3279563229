#include "gui/view/hand_view.h"

#include "gl/picture_file.h"

#include "base/message_sink.h"
#include "playback/camera.h"
#include "gl/gl_primitive_sink.h"
#include "gl/gl_view_setup.h"
#include "gl/natural_hand_renderer.h"
#include "gl/natural_hands_message.h"
#include "playback/framing_fit.h"
#include "playback/step_timer.h"
#include "playback/view_controls.h"

#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QOpenGLContext>

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

bool MeetsRequest(const QSurfaceFormat& format) {
  return format.redBufferSize() >= 8 && format.greenBufferSize() >= 8 &&
         format.blueBufferSize() >= 8 && format.depthBufferSize() >= 16 &&
         format.profile() != QSurfaceFormat::CoreProfile;
}

HeldButton HeldButtonOf(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return HeldButton::Left;
  if (button == Qt::RightButton) return HeldButton::Right;
  return HeldButton::Other;
}

}  // namespace

HandView::HandView(QWidget* parent) : QOpenGLWidget(parent) {
  setObjectName(QStringLiteral("picSpace"));
  setAccessibleName(QStringLiteral("Signing hands"));
  SetShownSign(QString());
  setFormat(RequestedFormat());
  // Small enough that the window, with the control panel beside it, fits 480 × 320.
  setMinimumSize(160, 120);
  UseStepSource(std::make_unique<StepTimer>());
}

void HandView::SetShownSign(const QString& sign) {
  setAccessibleDescription(sign.isEmpty() ? QStringLiteral("No sign is being spelled")
                                          : QStringLiteral("Signing \"%1\"").arg(sign));
}

void HandView::UseStepSource(std::unique_ptr<StepSource> steps) {
  holdSteps_ = std::move(steps);
  connect(holdSteps_.get(), &StepSource::step, this, &HandView::HoldPass);
  if (mouseHeld_) holdSteps_->Start();
}

HandView::~HandView() {
  // The natural renderer's programs and buffers belong to this area's context.
  if (!natural_) return;
  makeCurrent();
  natural_.reset();
  doneCurrent();
}

HandAppearance HandView::SetAppearance(HandAppearance appearance, QString* message) {
  appearance_ = appearance;
  if (appearance == HandAppearance::Classic || !context()) {
    // Without a context yet, initializeGL makes the renderer.
    if (appearance == HandAppearance::Classic && natural_) {
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

bool HandView::MakeNaturalRenderer(QString* message) {
  QString why;
  natural_ = NaturalHandRenderer::Create(Hand(), DefaultNaturalShaders(), &why);
  if (natural_) return true;
  appearance_ = HandAppearance::Classic;
  if (message != nullptr) *message = NaturalHandsUnavailableMessage(why);
  return false;
}

QSurfaceFormat HandView::RequestedFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setDepthBufferSize(16);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  return format;
}

bool HandView::InitOpenGL(MessageSink& messages) {
  QOpenGLContext probe;
  probe.setFormat(RequestedFormat());
  if (probe.create() && MeetsRequest(probe.format())) return true;
  messages.ShowMessage(QStringLiteral("ChoosePixelFormat failed"));
  return false;
}

int HandView::Width() const { return static_cast<int>(std::lround(width() * devicePixelRatioF())); }

int HandView::Height() const {
  return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

void HandView::DrawHands(const HandScene& scene) {
  scene_ = scene;
  ++picturesDrawn_;
  update();
}

bool HandView::SaveFrame(const QString& path) {
  return WritePictureFile(grabFramebuffer(), path, &lastSaveError_);
}

void HandView::initializeGL() {
  InitRenderState();
  natural_.reset();
  QString message;
  if (appearance_ == HandAppearance::Natural && !MakeNaturalRenderer(&message))
    emit naturalHandsUnavailable(message);
}

void HandView::SetFraming(std::optional<Box> framing) {
  framing_ = framing;
  update();
}

void HandView::paintGL() {
  // The picture follows the area's size now, even when the window was resized in the
  // middle of a movement.
  const ViewState camera = FramedView(view_, framing_, natural_ ? HandAppearance::Natural : HandAppearance::Classic,
                                      scene_.count, Width(), Height());
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

void HandView::wheelEvent(QWheelEvent* event) {
  const int eighths = event->angleDelta().y();
  if (eighths == 0) return;
  WheelZoom(view_, eighths / 120.0);
  event->accept();
  emit viewChanged();
}

void HandView::mousePressEvent(QMouseEvent* event) {
  // A second button pressed while one is held joins the hold already running.
  if (mouseHeld_) return;
  mouseHeld_ = true;
  heldButton_ = HeldButtonOf(event->button());
  heldAt_ = event->position();
  holdSteps_->Start();
}

void HandView::HoldPass() {
  if (!isVisible()) {
    EndHold();
    return;
  }
  MouseHoldPass(view_, heldButton_, heldAt_.x(), heldAt_.y(), width(), height());
  emit viewChanged();
}

void HandView::mouseReleaseEvent(QMouseEvent*) { EndHold(); }

void HandView::hideEvent(QHideEvent* event) {
  // A hidden area gets no release; the hold ends with it.
  EndHold();
  QOpenGLWidget::hideEvent(event);
}

void HandView::EndHold() {
  if (!mouseHeld_) return;
  mouseHeld_ = false;
  holdSteps_->Stop();
  emit mouseHoldEnded();
}
