#include "gl/natural_hand_renderer.h"

#include "hand/bone_frames.h"
#include "hand/hand.h"
#include "hand/matrix4.h"
#include "gl/gl_view_setup.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::array<float, 3> kRightSkin{0.90f, 0.71f, 0.59f};
constexpr std::array<float, 3> kLeftSkin{0.80f, 0.60f, 0.49f};
constexpr std::array<float, 3> kOutline{0.10f, 0.07f, 0.07f};
// A calm slate, dark enough that the hands are always the brightest thing in view.
constexpr std::array<float, 3> kBackground{0.13f, 0.145f, 0.175f};
constexpr float kOutlinePixels = 1.6f;
// Deeper than the creases between parts that touch, shallower than a finger's width.
constexpr float kOutlineDepthPush = 10.0f;

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
  GLuint smoothing = 0;
  ~Programs() {
    if (skin != 0) glDeleteProgram(skin);
    if (outline != 0) glDeleteProgram(outline);
    if (smoothing != 0) glDeleteProgram(smoothing);
  }
};

std::unique_ptr<NaturalHandRenderer> NaturalHandRenderer::Create(const Hand& dimensions,
                                                                 const NaturalShaderSources& sources,
                                                                 QString* error) {
  QString why;
  auto programs = std::make_unique<Programs>();
  programs->skin = Link(sources.skinVertex, sources.skinFragment, "skin", &why);
  if (programs->skin != 0) programs->outline = Link(sources.outlineVertex, sources.outlineFragment, "outline", &why);
  if (programs->outline != 0)
    programs->smoothing = Link(sources.smoothingVertex, sources.smoothingFragment, "smoothing", &why);
  if (programs->skin == 0 || programs->outline == 0 || programs->smoothing == 0) {
    if (error != nullptr) *error = why;
    return nullptr;
  }
  return std::unique_ptr<NaturalHandRenderer>(
      new NaturalHandRenderer(std::move(programs), NaturalHandParts(dimensions), NaturalHandOccluders(dimensions)));
}

NaturalHandRenderer::NaturalHandRenderer(std::unique_ptr<Programs> programs, std::vector<MeshPart> parts,
                                         std::vector<MeshOccluder> occluders)
    : programs_(std::move(programs)), parts_(std::move(parts)), occluders_(std::move(occluders)) {}

NaturalHandRenderer::~NaturalHandRenderer() { ReleaseTarget(); }

void NaturalHandRenderer::ReleaseTarget() {
  if (framebuffer_ != 0) glDeleteFramebuffers(1, &framebuffer_);
  if (colour_ != 0) glDeleteTextures(1, &colour_);
  if (depth_ != 0) glDeleteRenderbuffers(1, &depth_);
  framebuffer_ = colour_ = depth_ = 0;
  targetWidth_ = targetHeight_ = 0;
}

bool NaturalHandRenderer::PrepareTarget(int width, int height) {
  if (framebuffer_ != 0 && width == targetWidth_ && height == targetHeight_) return true;
  ReleaseTarget();
  glGenTextures(1, &colour_);
  glBindTexture(GL_TEXTURE_2D, colour_);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  // Linear, because the smoothing reads between pixels.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindTexture(GL_TEXTURE_2D, 0);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  if (!complete) {
    ReleaseTarget();
    return false;
  }
  targetWidth_ = width;
  targetHeight_ = height;
  return true;
}

// The part of the picture the hands can cover: their projected vertices with room
// for the outline. The whole picture when a vertex lies behind the eye.
QRect NaturalHandRenderer::CoveredRect(const CameraSetup& camera) const {
  const QRect picture(0, 0, camera.viewportWidth, camera.viewportHeight);
  const Matrix4 transform =
      Matrix4::Scaling(camera.mirrored ? -1.0 : 1.0, 1.0, 1.0) *
      Matrix4::Perspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane) *
      Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
  for (const PosedHandMesh& mesh : meshes_) {
    for (const MeshVertex& v : mesh.vertices) {
      const auto clip = transform.Transform({v.position.x, v.position.y, v.position.z, 1.0});
      if (clip[3] <= camera.nearPlane * 0.5) return picture;
      const double x = (clip[0] / clip[3] + 1.0) / 2.0 * camera.viewportWidth;
      const double y = (clip[1] / clip[3] + 1.0) / 2.0 * camera.viewportHeight;
      left = std::min(left, x);
      right = std::max(right, x);
      bottom = std::min(bottom, y);
      top = std::max(top, y);
    }
  }
  if (left > right) return {};
  const int margin = static_cast<int>(std::ceil(kOutlinePixels)) + 3;
  const QRect covered(QPoint(static_cast<int>(std::floor(left)) - margin, static_cast<int>(std::floor(bottom)) - margin),
                      QPoint(static_cast<int>(std::ceil(right)) + margin, static_cast<int>(std::ceil(top)) + margin));
  return covered.intersected(picture);
}

void NaturalHandRenderer::Draw(const CameraSetup& camera, std::span<const Hand* const> hands) {
  GLint target = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &target);
  const int width = camera.viewportWidth;
  const int height = camera.viewportHeight;
  if (width <= 0 || height <= 0) return;

  meshes_.resize(hands.size());
  for (size_t h = 0; h < hands.size(); ++h) {
    if (hands[h] != nullptr)
      PoseHandMesh(parts_, HandBoneFrames(*hands[h]), meshes_[h], occluders_);
    else
      meshes_[h] = {};
  }

  glViewport(0, 0, width, height);
  glClearColor(kBackground[0], kBackground[1], kBackground[2], 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // Multisampling is dear on a software renderer, so the hands are drawn once per
  // pixel into a picture of their own and only the part they cover is copied back,
  // smoothed along its edges.
  const QRect covered = CoveredRect(camera);
  const bool separate = !covered.isEmpty() && PrepareTarget(width, height);
  if (separate) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glEnable(GL_SCISSOR_TEST);
    // The smoothing reads up to four pixels beyond the covered part.
    const QRect read = covered.adjusted(-6, -6, 6, 6).intersected(QRect(0, 0, width, height));
    glScissor(read.x(), read.y(), read.width(), read.height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);  // the classic drawing's, as it was set up
  if (!covered.isEmpty()) DrawMeshes(camera);
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(target));
  if (separate) CopySmoothed(covered);
}

void NaturalHandRenderer::CopySmoothed(const QRect& covered) {
  glScissor(covered.x(), covered.y(), covered.width(), covered.height());
  glDisable(GL_DEPTH_TEST);
  glUseProgram(programs_->smoothing);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, colour_);
  glUniform1i(glGetUniformLocation(programs_->smoothing, "picture"), 0);
  glUniform2f(glGetUniformLocation(programs_->smoothing, "texel"), 1.0f / static_cast<float>(targetWidth_),
              1.0f / static_cast<float>(targetHeight_));
  static constexpr std::array<float, 8> kWholePicture{-1.0f, -1.0f, 1.0f, -1.0f, 1.0f, 1.0f, -1.0f, 1.0f};
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, kWholePicture.data());
  glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
  glDisableClientState(GL_VERTEX_ARRAY);
  glBindTexture(GL_TEXTURE_2D, 0);
  glUseProgram(0);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_SCISSOR_TEST);
}

void NaturalHandRenderer::DrawMeshes(const CameraSetup& camera) {
  glEnable(GL_DEPTH_TEST);
  SetCamera(camera);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnable(GL_CULL_FACE);
  const float spread = static_cast<float>(kOutlinePixels * 2.0 *
                                          std::tan(camera.fieldOfView * 3.14159265 / 360.0) /
                                          camera.viewportHeight);
  for (size_t h = 0; h < meshes_.size(); ++h) {
    const PosedHandMesh& mesh = meshes_[h];
    if (mesh.triangles.empty()) continue;
    const auto stride = static_cast<GLsizei>(sizeof(MeshVertex));
    glVertexPointer(3, GL_FLOAT, stride, &mesh.vertices[0].position);
    glNormalPointer(GL_FLOAT, stride, &mesh.vertices[0].normal);
    glColorPointer(4, GL_FLOAT, stride, mesh.vertices[0].tone.data());

    glUseProgram(programs_->skin);
    SetVector(programs_->skin, "skin", h == 0 ? kRightSkin : kLeftSkin);
    SetVector(programs_->skin, "background", kBackground);
    SetVector(programs_->skin, "keyDirection", Normalised(-0.7f, 0.55f, 0.45f));
    SetVector(programs_->skin, "fillDirection", Normalised(0.8f, -0.2f, 0.4f));
    SetVector(programs_->skin, "rimDirection", Normalised(0.35f, 0.85f, -0.2f));
    // Halfway between the key light and the eye, for a broad faint sheen.
    SetVector(programs_->skin, "sheenDirection", Normalised(-0.7f, 0.55f, 0.45f + 1.0f));
    glCullFace(GL_BACK);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.triangles.size()), GL_UNSIGNED_INT,
                   mesh.triangles.data());

    glUseProgram(programs_->outline);
    SetVector(programs_->outline, "outline", kOutline);
    SetVector(programs_->outline, "background", kBackground);
    glUniform1f(glGetUniformLocation(programs_->outline, "pixelSpread"), spread);
    glUniform1f(glGetUniformLocation(programs_->outline, "depthPush"), kOutlineDepthPush);
    glCullFace(GL_FRONT);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.outlinedIndexCount), GL_UNSIGNED_INT,
                   mesh.triangles.data());
  }
  glUseProgram(0);
  glCullFace(GL_BACK);
  glDisable(GL_CULL_FACE);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
}
