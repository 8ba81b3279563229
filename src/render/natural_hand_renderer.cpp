#include "render/natural_hand_renderer.h"

#include "hand/bone_frames.h"
#include "hand/cmano.h"
#include "render/gl_view_setup.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::array<float, 3> kRightSkin{0.90f, 0.71f, 0.59f};
constexpr std::array<float, 3> kLeftSkin{0.80f, 0.60f, 0.49f};
constexpr std::array<float, 3> kOutline{0.10f, 0.07f, 0.07f};
// The background: darkest at the foot, a soft glow behind the hands.
constexpr std::array<float, 3> kBackgroundCentre{0.20f, 0.22f, 0.26f};
constexpr std::array<float, 3> kBackgroundEdge{0.07f, 0.08f, 0.10f};
constexpr std::array<float, 3> kBackgroundMiddle{0.14f, 0.155f, 0.185f};
constexpr float kOutlinePixels = 1.6f;
constexpr int kWantedSamples = 4;

std::array<float, 3> Normalised(float x, float y, float z) {
  const float length = std::sqrt(x * x + y * y + z * z);
  return {x / length, y / length, z / length};
}

QString ShaderLog(GLuint shader) {
  GLint length = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
  QByteArray log(std::max(length, 1), '\0');
  glGetShaderInfoLog(shader, length, nullptr, log.data());
  return QString::fromUtf8(log.constData()).trimmed();
}

QString ProgramLog(GLuint program) {
  GLint length = 0;
  glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
  QByteArray log(std::max(length, 1), '\0');
  glGetProgramInfoLog(program, length, nullptr, log.data());
  return QString::fromUtf8(log.constData()).trimmed();
}

GLuint Compile(GLenum kind, const QByteArray& source, const char* name, QString* error) {
  const GLuint shader = glCreateShader(kind);
  if (shader == 0) {
    *error = QStringLiteral("the %1 shader could not be created").arg(QLatin1String(name));
    return 0;
  }
  const char* text = source.constData();
  const GLint length = static_cast<GLint>(source.size());
  glShaderSource(shader, 1, &text, &length);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (compiled != GL_TRUE) {
    *error = QStringLiteral("the %1 shader does not compile: %2").arg(QLatin1String(name), ShaderLog(shader));
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GLuint Link(const QByteArray& vertex, const QByteArray& fragment, const char* name, QString* error) {
  const GLuint vertexShader = Compile(GL_VERTEX_SHADER, vertex, name, error);
  if (vertexShader == 0) return 0;
  const GLuint fragmentShader = Compile(GL_FRAGMENT_SHADER, fragment, name, error);
  if (fragmentShader == 0) {
    glDeleteShader(vertexShader);
    return 0;
  }
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertexShader);
  glAttachShader(program, fragmentShader);
  glLinkProgram(program);
  glDeleteShader(vertexShader);
  glDeleteShader(fragmentShader);
  GLint linked = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    *error = QStringLiteral("the %1 program does not link: %2").arg(QLatin1String(name), ProgramLog(program));
    glDeleteProgram(program);
    return 0;
  }
  return program;
}

void SetVector(GLuint program, const char* name, const std::array<float, 3>& value) {
  glUniform3f(glGetUniformLocation(program, name), value[0], value[1], value[2]);
}

}  // namespace

struct NaturalHandRenderer::Programs {
  GLuint skin = 0;
  GLuint outline = 0;
  ~Programs() {
    if (skin != 0) glDeleteProgram(skin);
    if (outline != 0) glDeleteProgram(outline);
  }
};

std::unique_ptr<NaturalHandRenderer> NaturalHandRenderer::Create(const CMano& dimensions,
                                                                 const NaturalShaderSources& sources,
                                                                 QString* error) {
  QString why;
  auto programs = std::make_unique<Programs>();
  programs->skin = Link(sources.skinVertex, sources.skinFragment, "skin", &why);
  if (programs->skin != 0) programs->outline = Link(sources.outlineVertex, sources.outlineFragment, "outline", &why);
  if (programs->skin == 0 || programs->outline == 0) {
    if (error != nullptr) *error = why;
    return nullptr;
  }
  return std::unique_ptr<NaturalHandRenderer>(
      new NaturalHandRenderer(std::move(programs), NaturalHandParts(dimensions)));
}

NaturalHandRenderer::NaturalHandRenderer(std::unique_ptr<Programs> programs, std::vector<MeshPart> parts)
    : programs_(std::move(programs)), parts_(std::move(parts)) {}

NaturalHandRenderer::~NaturalHandRenderer() { ReleaseTarget(); }

void NaturalHandRenderer::ReleaseTarget() {
  if (framebuffer_ != 0) glDeleteFramebuffers(1, &framebuffer_);
  if (colour_ != 0) glDeleteRenderbuffers(1, &colour_);
  if (depth_ != 0) glDeleteRenderbuffers(1, &depth_);
  framebuffer_ = colour_ = depth_ = 0;
  targetWidth_ = targetHeight_ = 0;
}

bool NaturalHandRenderer::PrepareTarget(int width, int height) {
  if (framebuffer_ != 0 && width == targetWidth_ && height == targetHeight_) return true;
  ReleaseTarget();
  GLint maxSamples = 1;
  glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
  samples_ = std::clamp(static_cast<int>(maxSamples), 1, kWantedSamples);
  if (samples_ < 2) return false;
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glGenRenderbuffers(1, &colour_);
  glBindRenderbuffer(GL_RENDERBUFFER, colour_);
  glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_RGBA8, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_DEPTH_COMPONENT24, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  if (!complete) {
    ReleaseTarget();
    samples_ = 1;
    return false;
  }
  targetWidth_ = width;
  targetHeight_ = height;
  return true;
}

void NaturalHandRenderer::DrawBackground() const {
  glUseProgram(0);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  // A fan round a glow a little above the middle, darker towards the foot.
  constexpr int kSteps = 48;
  glBegin(GL_TRIANGLE_FAN);
  glColor3fv(kBackgroundCentre.data());
  glVertex2f(0.0f, 0.15f);
  for (int i = 0; i <= kSteps; ++i) {
    const float angle = 6.2831853f * static_cast<float>(i) / kSteps;
    const float x = std::cos(angle) * 1.5f;
    const float y = std::sin(angle) * 1.5f;
    const float low = std::clamp(0.5f - 0.5f * std::sin(angle), 0.0f, 1.0f);
    glColor3f(kBackgroundMiddle[0] + (kBackgroundEdge[0] - kBackgroundMiddle[0]) * low,
              kBackgroundMiddle[1] + (kBackgroundEdge[1] - kBackgroundMiddle[1]) * low,
              kBackgroundMiddle[2] + (kBackgroundEdge[2] - kBackgroundMiddle[2]) * low);
    glVertex2f(x, y);
  }
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void NaturalHandRenderer::Draw(const CameraSetup& camera, std::span<const CMano* const> hands) {
  GLint target = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &target);
  const int width = camera.viewportWidth;
  const int height = camera.viewportHeight;
  if (width <= 0 || height <= 0) return;
  const bool multisampled = PrepareTarget(width, height);
  if (multisampled) glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);

  glViewport(0, 0, width, height);
  DrawBackground();
  glClear(GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);
  SetCamera(camera);

  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnable(GL_CULL_FACE);
  const float spread = static_cast<float>(kOutlinePixels * 2.0 *
                                          std::tan(camera.fieldOfView * 3.14159265 / 360.0) / height);
  for (size_t h = 0; h < hands.size(); ++h) {
    if (hands[h] == nullptr) continue;
    PoseHandMesh(parts_, HandBoneFrames(*hands[h]), mesh_);
    if (mesh_.triangles.empty()) continue;
    const auto stride = static_cast<GLsizei>(sizeof(MeshVertex));
    glVertexPointer(3, GL_FLOAT, stride, &mesh_.vertices[0].position);
    glNormalPointer(GL_FLOAT, stride, &mesh_.vertices[0].normal);
    glColorPointer(4, GL_FLOAT, stride, mesh_.vertices[0].tone.data());

    glUseProgram(programs_->skin);
    SetVector(programs_->skin, "skin", h == 0 ? kRightSkin : kLeftSkin);
    SetVector(programs_->skin, "background", kBackgroundMiddle);
    SetVector(programs_->skin, "keyDirection", Normalised(-0.6f, 0.62f, 0.5f));
    SetVector(programs_->skin, "fillDirection", Normalised(0.8f, -0.2f, 0.4f));
    SetVector(programs_->skin, "rimDirection", Normalised(0.35f, 0.85f, -0.2f));
    glCullFace(GL_BACK);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh_.triangles.size()), GL_UNSIGNED_INT,
                   mesh_.triangles.data());

    glUseProgram(programs_->outline);
    SetVector(programs_->outline, "outline", kOutline);
    SetVector(programs_->outline, "background", kBackgroundMiddle);
    glUniform1f(glGetUniformLocation(programs_->outline, "pixelSpread"), spread);
    glCullFace(GL_FRONT);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh_.outlinedIndexCount), GL_UNSIGNED_INT,
                   mesh_.triangles.data());
  }
  glUseProgram(0);
  glCullFace(GL_BACK);
  glDisable(GL_CULL_FACE);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);

  if (multisampled) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(target));
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(target));
  }
}
