#include "gl/gl_view_setup.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

void InitRenderState() {
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
}

void SetCamera(const CameraSetup& camera) {
  glViewport(0, 0, camera.viewportWidth, camera.viewportHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane);
  // Flipped in the projection, so lighting and depth stay those of the real scene; the
  // flip turns the faces' winding round.
  if (camera.mirrored) glScaled(-1.0, 1.0, 1.0);
  glFrontFace(camera.mirrored ? GL_CW : GL_CCW);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(camera.eye[0], camera.eye[1], camera.eye[2], camera.centre[0], camera.centre[1],
            camera.centre[2], camera.up[0], camera.up[1], camera.up[2]);
}

void SetLights(const ViewState& view) {
  constexpr std::array<float, 4> kWhite{1.0f, 1.0f, 1.0f, 1.0f};
  constexpr std::array<float, 4> kAmbient{0.4f, 0.4f, 0.4f, 1.0f};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, kWhite.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, kWhite.data());
  glLightfv(GL_LIGHT0, GL_AMBIENT, kAmbient.data());
  glLightfv(GL_LIGHT0, GL_POSITION, view.LightPosition.data());
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glClear(GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_NORMALIZE);
}
