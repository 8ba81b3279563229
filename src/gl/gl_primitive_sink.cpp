#include "gl/gl_primitive_sink.h"

#include <GL/gl.h>

void GlPrimitiveSink::PushMatrix() { glPushMatrix(); }

void GlPrimitiveSink::PopMatrix() { glPopMatrix(); }

void GlPrimitiveSink::Translate(float x, float y, float z) { glTranslatef(x, y, z); }

void GlPrimitiveSink::Rotate(float degrees, float x, float y, float z) {
  glRotatef(degrees, x, y, z);
}

void GlPrimitiveSink::Scale(float x, float y, float z) { glScalef(x, y, z); }

void GlPrimitiveSink::SetFrontMaterial(const Material& material) {
  glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambientAndDiffuse.data());
  glMaterialfv(GL_FRONT, GL_DIFFUSE, material.ambientAndDiffuse.data());
  glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular.data());
  glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
}

void GlPrimitiveSink::Polygon(std::span<const ShadedVertex> vertices) {
  glBegin(GL_POLYGON);
  for (const ShadedVertex& v : vertices) {
    glNormal3f(v.normal.x, v.normal.y, v.normal.z);
    glVertex3f(v.position.x, v.position.y, v.position.z);
  }
  glEnd();
}
