#pragma once

#include "hand/natural_hand_mesh.h"
#include "playback/camera.h"
#include "gl/natural_hand_shaders.h"

#include <QRect>
#include <QString>

#include <memory>
#include <span>

class Hand;

// Draws hands in the Natural style on the OpenGL context current when it is made:
// a calm dark background, then each hand's rounded mesh with per-pixel skin shading
// and a thin dark outline, drawn into a picture of its own and copied, smoothed along
// its edges, into whatever framebuffer is bound when Draw is called. Leaves the fixed render state as the classic drawing
// set it up (black clear colour, no culling, no program). Must be destroyed with the same context current.
class NaturalHandRenderer {
 public:
  // Compiles and links the shaders; null, with the compiler's or linker's words in
  // *error, when the context cannot run them.
  static std::unique_ptr<NaturalHandRenderer> Create(const Hand& dimensions,
                                                     const NaturalShaderSources& sources,
                                                     QString* error);
  ~NaturalHandRenderer();
  NaturalHandRenderer(const NaturalHandRenderer&) = delete;
  NaturalHandRenderer& operator=(const NaturalHandRenderer&) = delete;

  // Hand 0 is the right hand, hand 1 the left, in a slightly deeper tone.
  void Draw(const CameraSetup& camera, std::span<const Hand* const> hands);

 private:
  struct Programs;
  NaturalHandRenderer(std::unique_ptr<Programs> programs, std::vector<MeshPart> parts,
                      std::vector<MeshOccluder> occluders);
  bool PrepareTarget(int width, int height);
  void ReleaseTarget();
  QRect CoveredRect(const CameraSetup& camera) const;
  void DrawMeshes(const CameraSetup& camera);
  void CopySmoothed(const QRect& covered);

  std::unique_ptr<Programs> programs_;
  std::vector<MeshPart> parts_;
  std::vector<MeshOccluder> occluders_;
  std::vector<PosedHandMesh> meshes_;
  unsigned framebuffer_ = 0;
  unsigned colour_ = 0;  // a texture, read by the smoothing pass
  unsigned depth_ = 0;
  int targetWidth_ = 0;
  int targetHeight_ = 0;
};
