#include "gl/offscreen_renderer.h"

#include "gl/picture_file.h"

#include "playback/camera.h"
#include "gl/gl_primitive_sink.h"
#include "gl/gl_view_setup.h"
#include "gl/natural_hand_renderer.h"
#include "gl/natural_hands_message.h"
#include "gl/surfaceless_display.h"
#include "playback/framing_fit.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

template <typename Function>
Function Resolve(const char* name) {
  return reinterpret_cast<Function>(eglGetProcAddress(name));
}

// Framebuffer objects are not part of OpenGL 1.1; the context hands them out.
struct FramebufferFunctions {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;

  bool Load() {
    genFramebuffers = Resolve<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers");
    deleteFramebuffers = Resolve<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers");
    bindFramebuffer = Resolve<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer");
    genRenderbuffers = Resolve<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers");
    deleteRenderbuffers = Resolve<PFNGLDELETERENDERBUFFERSPROC>("glDeleteRenderbuffers");
    bindRenderbuffer = Resolve<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer");
    renderbufferStorage = Resolve<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage");
    framebufferRenderbuffer =
        Resolve<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer");
    checkFramebufferStatus = Resolve<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus");
    return genFramebuffers && deleteFramebuffers && bindFramebuffer && genRenderbuffers &&
           deleteRenderbuffers && bindRenderbuffer && renderbufferStorage &&
           framebufferRenderbuffer && checkFramebufferStatus;
  }
};

}  // namespace

struct OffscreenRenderer::Context {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLContext context = EGL_NO_CONTEXT;
  FramebufferFunctions gl;
  GLuint framebuffer = 0;
  GLuint colour = 0;
  GLuint depth = 0;

  bool MakeCurrent() const {
    return eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context) == EGL_TRUE;
  }

  ~Context() {
    if (context == EGL_NO_CONTEXT) return;
    if (MakeCurrent()) {
      if (framebuffer != 0) gl.deleteFramebuffers(1, &framebuffer);
      if (colour != 0) gl.deleteRenderbuffers(1, &colour);
      if (depth != 0) gl.deleteRenderbuffers(1, &depth);
    }
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    // The display is left initialised: EGL does not count initialisations, and
    // terminating it would pull the ground from under other renderers in the process.
  }
};

std::unique_ptr<OffscreenRenderer> OffscreenRenderer::Create(int width, int height,
                                                             QString* error) {
  auto fail = [error](const QString& why) {
    if (error != nullptr) *error = why;
    return std::unique_ptr<OffscreenRenderer>();
  };
  if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
    return fail(QStringLiteral("picture size %1x%2 is not drawable").arg(width).arg(height));

  auto context = std::make_unique<Context>();
  context->display = InitializeSurfacelessDisplay(error);
  if (context->display == EGL_NO_DISPLAY) return nullptr;
  if (!HasEglExtension(eglQueryString(context->display, EGL_EXTENSIONS),
                       "EGL_KHR_surfaceless_context"))
    return fail(QStringLiteral("EGL cannot make a context current without a surface"));
  if (!eglBindAPI(EGL_OPENGL_API)) return fail(QStringLiteral("EGL offers no desktop OpenGL"));

  const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configCount = 0;
  if (!eglChooseConfig(context->display, configAttributes, &config, 1, &configCount) ||
      configCount < 1)
    return fail(QStringLiteral("EGL has no configuration for desktop OpenGL"));

  // Immediate mode and GLU need the compatibility profile.
  const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                      EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  context->context =
      eglCreateContext(context->display, config, EGL_NO_CONTEXT, contextAttributes);
  if (context->context == EGL_NO_CONTEXT)
    return fail(QStringLiteral("no OpenGL compatibility-profile context could be made"));
  if (!context->MakeCurrent()) return fail(QStringLiteral("the OpenGL context could not be made current"));
  if (!context->gl.Load()) return fail(QStringLiteral("OpenGL has no framebuffer objects"));

  FramebufferFunctions& gl = context->gl;
  gl.genFramebuffers(1, &context->framebuffer);
  gl.bindFramebuffer(GL_FRAMEBUFFER, context->framebuffer);
  gl.genRenderbuffers(1, &context->colour);
  gl.bindRenderbuffer(GL_RENDERBUFFER, context->colour);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                             context->colour);
  gl.genRenderbuffers(1, &context->depth);
  gl.bindRenderbuffer(GL_RENDERBUFFER, context->depth);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                             context->depth);
  // A renderbuffer that could not be allocated leaves the framebuffer merely
  // incomplete; the error queue says it was memory.
  bool outOfMemory = false;
  for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
    outOfMemory = outOfMemory || error == GL_OUT_OF_MEMORY;
  if (outOfMemory)
    return fail(QStringLiteral("memory ran out making the offscreen framebuffer of %1x%2").arg(width).arg(height));
  if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    return fail(QStringLiteral("the offscreen framebuffer of %1x%2 is incomplete").arg(width).arg(height));
  glDrawBuffer(GL_COLOR_ATTACHMENT0);
  glReadBuffer(GL_COLOR_ATTACHMENT0);

  InitRenderState();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (glGetError() != GL_NO_ERROR) return fail(QStringLiteral("OpenGL failed to set up"));

  return std::unique_ptr<OffscreenRenderer>(
      new OffscreenRenderer(std::move(context), width, height));
}

OffscreenRenderer::OffscreenRenderer(std::unique_ptr<Context> context, int width, int height)
    : context_(std::move(context)),
      width_(width),
      height_(height),
      image_(width, height, QImage::Format_RGBX8888) {
  image_.fill(Qt::black);
}

OffscreenRenderer::~OffscreenRenderer() {
  // The natural renderer's programs and buffers belong to this context.
  if (natural_ && context_->MakeCurrent()) natural_.reset();
}

HandAppearance OffscreenRenderer::SetAppearance(HandAppearance appearance, QString* message,
                                                const NaturalShaderSources& sources) {
  if (!context_->MakeCurrent()) return Appearance();
  if (appearance == HandAppearance::Classic) {
    natural_.reset();
    return HandAppearance::Classic;
  }
  if (natural_) return HandAppearance::Natural;
  QString why;
  natural_ = NaturalHandRenderer::Create(Hand(), sources, &why);
  if (!natural_ && message != nullptr) *message = NaturalHandsUnavailableMessage(why);
  return Appearance();
}

HandAppearance OffscreenRenderer::Appearance() const {
  return natural_ ? HandAppearance::Natural : HandAppearance::Classic;
}

ViewState OffscreenRenderer::Camera(int handCount) const {
  return FramedView(view_, framing_, Appearance(), handCount, width_, height_);
}

void OffscreenRenderer::DrawHands(const HandScene& scene) {
  if (!context_->MakeCurrent()) return;
  context_->gl.bindFramebuffer(GL_FRAMEBUFFER, context_->framebuffer);
  const ViewState camera = Camera(scene.count);
  if (natural_) {
    std::vector<const Hand*> hands;
    for (const Hand& hand : scene.Shown()) hands.push_back(&hand);
    natural_->Draw(ComputeCameraSetup(camera), hands);
    ReadBack();
    return;
  }
  SetCamera(ComputeCameraSetup(camera));
  SetLights(camera);
  glClear(GL_COLOR_BUFFER_BIT);
  glClear(GL_DEPTH_BUFFER_BIT);
  GlPrimitiveSink sink;
  for (const Hand& hand : scene.Shown()) hand.draw(sink);
  ReadBack();
}

void OffscreenRenderer::ReadBack() {
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image_.bits());
  // OpenGL's rows run bottom to top, an image's top to bottom.
  // Whole rows through a buffer: much faster than swapping byte by byte, which every
  // exported step pays for.
  const size_t rowBytes = static_cast<size_t>(image_.bytesPerLine());
  rowSpare_.resize(rowBytes);
  for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom) {
    std::memcpy(rowSpare_.data(), image_.scanLine(top), rowBytes);
    std::memcpy(image_.scanLine(top), image_.scanLine(bottom), rowBytes);
    std::memcpy(image_.scanLine(bottom), rowSpare_.data(), rowBytes);
  }
}

bool OffscreenRenderer::SaveFrame(const QString& path) {
  return WritePictureFile(image_, path, &lastSaveError_);
}
