#include "gui/view/hand_view.h"

#include "gl/picture_file.h"

#include "base/message_sink.h"
#include "gui/view/hand_surface_window.h"
#include "playback/step_timer.h"
#include "playback/view_controls.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>

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

// The mouse input the area acts on; moves without a held button it never saw.
bool IsMouseInput(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

}  // namespace

HandView::HandView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picSpace"));
  Retranslate();
  surface_ = new HandSurfaceWindow(view_);
  surface_->setFormat(RequestedFormat());
  // A click on the hands leaves the keyboard focus where it was, as it does on a widget
  // that takes no focus.
  surface_->setFlag(Qt::WindowDoesNotAcceptFocus);
  container_ = QWidget::createWindowContainer(surface_, this);
  container_->setFocusPolicy(Qt::NoFocus);
  surface_->installEventFilter(this);
  connect(surface_, &HandSurfaceWindow::frameSwapped, this, &HandView::frameSwapped);
  connect(surface_, &HandSurfaceWindow::naturalHandsUnavailable, this, &HandView::naturalHandsUnavailable);
  // Small enough that the window, with the control panel beside it, fits 480 × 320.
  setMinimumSize(160, 120);
  UseStepSource(std::make_unique<StepTimer>());
}

HandView::~HandView() {
  // The window draws from this area's view, which goes before the children do.
  delete container_;
}

void HandView::SetShownSign(const QString& sign) {
  shownSign_ = sign;
  setAccessibleDescription(sign.isEmpty() ? tr("No sign is being spelled") : tr("Signing \"%1\"").arg(sign));
}

void HandView::Retranslate() {
  setAccessibleName(tr("Signing hands"));
  SetShownSign(shownSign_);
}

void HandView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void HandView::UseStepSource(std::unique_ptr<StepSource> steps) {
  holdSteps_ = std::move(steps);
  connect(holdSteps_.get(), &StepSource::step, this, &HandView::HoldPass);
  if (mouseHeld_) holdSteps_->Start();
}

HandAppearance HandView::SetAppearance(HandAppearance appearance, QString* message) {
  return surface_->SetAppearance(appearance, message);
}

HandAppearance HandView::Appearance() const { return surface_->Appearance(); }

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
  messages.ShowMessage(tr("ChoosePixelFormat failed"));
  return false;
}

int HandView::Width() const { return static_cast<int>(std::lround(width() * devicePixelRatioF())); }

int HandView::Height() const {
  return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

void HandView::DrawHands(const HandScene& scene) {
  ++picturesDrawn_;
  surface_->ShowScene(scene);
}

QImage HandView::Picture() { return surface_->Picture(); }

bool HandView::SaveFrame(const QString& path) {
  const QImage picture = Picture();
  if (picture.isNull()) {
    lastSaveError_ = tr("the drawing area has not been shown");
    return false;
  }
  return WritePictureFile(picture, path, &lastSaveError_);
}

void HandView::SetFraming(std::optional<Box> framing) { surface_->SetFraming(framing); }

const std::optional<Box>& HandView::Framing() const { return surface_->Framing(); }

void HandView::resizeEvent(QResizeEvent*) { container_->setGeometry(rect()); }

bool HandView::eventFilter(QObject* watched, QEvent* event) {
  // The mouse on the window is the mouse on the area, in the same coordinates: sent on
  // as the area's, so the application's filters (the input held while a word plays)
  // see it as they did.
  if (watched != surface_ || !IsMouseInput(event->type())) return QWidget::eventFilter(watched, event);
  QCoreApplication::sendEvent(this, event);
  return true;
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
  QWidget::hideEvent(event);
}

void HandView::EndHold() {
  if (!mouseHeld_) return;
  mouseHeld_ = false;
  holdSteps_->Stop();
  emit mouseHoldEnded();
}
