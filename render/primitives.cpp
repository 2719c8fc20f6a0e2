#include "render/primitives.h"

#include <SDL_opengl.h>

#include <cmath>

#include "render/meshes.h"
#include "render/shapes.h"

namespace {
constexpr double ShadowTilt = 89.0;  // not quite flat, so the disc never turns edge-on
constexpr double PolygonTurn = 6.28;
}  // namespace

int32_t drawShadow(double x, double y, double z, double sx, double sy) {
  glPushMatrix();
  glTranslated(x, y, z);
  glRotated(ShadowTilt, 1.0, 0.0, 0.0);
  glScaled(sx, sy, 1.0);
  glColor4d(0.2, 0.2, 0.2, 0.8);
  drawCircleFan(detailSegments());
  glPopMatrix();
  return 0;
}

void drawCircleFan(int32_t n) {
  int32_t q = segmentStep(n);
  glBegin(GL_TRIANGLE_FAN);
  glVertex2d(0.0, 0.0);
  for (int32_t k = CirclePoints; k > 0; k -= q) {
    const MeshPoint& p = Circle[k % CirclePoints];
    glVertex2d(p.x, p.y);
  }
  glVertex2d(Circle[0].x, Circle[0].y);
  glEnd();
}

int32_t drawPolygon(double x, double y, double z, double sx, double sy, double angle,
                    const double* colour, int32_t n) {
  glPushMatrix();
  glTranslated(x, y, z);
  glRotated(angle, 0.0, 0.0, 1.0);
  glScaled(sx, sy, 1.0);
  glColor4dv(colour);
  glBegin(GL_TRIANGLE_FAN);
  glVertex2d(0.0, 0.0);
  for (double k = 0.0; k < n; k += 1.0) {
    double a = k * (PolygonTurn / n);
    glVertex2d(std::cos(a), std::sin(a));
  }
  glVertex2d(1.0, 0.0);
  glEnd();
  glPopMatrix();
  return 0;
}

int32_t drawLine(const double* p0, const double* p1, const double* colour) {
  glBegin(GL_LINES);
  glColor4dv(colour);
  glVertex3dv(p0);
  glVertex3dv(p1);
  glEnd();
  return 0;
}

int32_t drawFilledRect(double x, double y, double z, double sx, double sy, double angle,
                       const double* colour) {
  glPushMatrix();
  glTranslated(x, y, z);
  glScaled(sx, sy, 1.0);
  glRotated(angle, 0.0, 0.0, 1.0);
  glBegin(GL_QUADS);
  glColor4dv(colour);
  glVertex2d(-1.0, -1.0);
  glVertex2d(1.0, -1.0);
  glVertex2d(1.0, 1.0);
  glVertex2d(-1.0, 1.0);
  glEnd();
  glPopMatrix();
  return 0;
}
