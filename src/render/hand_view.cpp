#include "render/hand_view.h"

#include "render/picture_file.h"

#include "app/app_state.h"
#include "app/message_sink.h"
#include "render/camera.h"
#include "render/gl_primitive_sink.h"
#include "render/gl_view_setup.h"
#include "render/natural_framing.h"
#include "render/natural_hand_renderer.h"
#include "render/natural_hands_message.h"
#include "render/view_controls.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QTimer>

#include <GL/gl.h>

#include <chrono>
#include <cmath>

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

HandView::HandView(AppState& state, QWidget* parent) : QOpenGLWidget(parent), state_(state) {
  setObjectName(QStringLiteral("picSpace"));
  setFormat(RequestedFormat());
  setMinimumSize(240, 180);
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
  natural_ = NaturalHandRenderer::Create(CMano(), DefaultNaturalShaders(), &why);
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

void HandView::DrawHands(const AppState&) {
  WaitForNextStep(QEventLoop::ExcludeUserInputEvents);
  clock_.StepTaken();
  ++picturesDrawn_;
  // Paints and presents at once; a hidden area has nothing to show.
  if (isVisible()) repaint();
}

void HandView::WaitForNextStep(QEventLoop::ProcessEventsFlags flags) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(clock_.TimeUntilNextStep());
  if (wait.count() <= 0) {
    QCoreApplication::processEvents(flags);
    return;
  }
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(wait);
  loop.exec(flags);
}

bool HandView::SaveFrame(const QString& path) {
  return WritePictureFile(grabFramebuffer(), path);
}

void HandView::initializeGL() {
  InitRenderState();
  natural_.reset();
  QString message;
  if (appearance_ == HandAppearance::Natural && !MakeNaturalRenderer(&message))
    emit naturalHandsUnavailable(message);
}

void HandView::paintGL() {
  // The picture follows the area's size now, even when the window was resized in the
  // middle of a movement whose camera was set up before.
  if (natural_) {
    ViewState framed = NaturalFraming(state_.View, state_.HandCount);
    UpdateCamera(framed, Width(), Height());
    std::vector<const CMano*> hands;
    for (int h = 0; h < state_.HandCount && h < 2; ++h) hands.push_back(state_.Hands[h].get());
    natural_->Draw(ComputeCameraSetup(framed), hands);
    return;
  }
  ViewState view = state_.View;
  UpdateCamera(view, Width(), Height());
  SetCamera(ComputeCameraSetup(view));
  SetLights(view);
  glClear(GL_COLOR_BUFFER_BIT);
  glClear(GL_DEPTH_BUFFER_BIT);
  GlPrimitiveSink sink;
  for (int h = 0; h < state_.HandCount && h < 2; ++h) state_.Hands[h]->draw(sink);
}

void HandView::mousePressEvent(QMouseEvent* event) {
  // A second button pressed while one is held joins the pass already running.
  if (MouseHeld) return;
  MouseHeld = true;
  const HeldButton button = HeldButtonOf(event->button());
  const QPointF at = event->position();
  while (MouseHeld && isVisible()) {
    MouseHoldPass(state_.View, button, at.x(), at.y(), width(), height());
    if (ViewChanged)
      ViewChanged();
    else
      DrawHands(state_);
    // The redraw waited for its step; now the release and everything else may come in.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  MouseHeld = false;
  emit mouseHoldEnded();
}

void HandView::mouseReleaseEvent(QMouseEvent*) { MouseHeld = false; }

void HandView::hideEvent(QHideEvent* event) {
  // A hidden area gets no release; the hold ends with it.
  MouseHeld = false;
  QOpenGLWidget::hideEvent(event);
}
