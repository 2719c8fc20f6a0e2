#include "render/ground_plane.h"

#include <SDL_opengl.h>

namespace {
constexpr double PlaneSize = 4096.0;
constexpr double CeilingBelow = 1.0;  // heights under this are ceilings
constexpr double WedgeShade = 0.7501875468867217;

void texturedVertex(double s, double t, double x, double y, double z) {
  glTexCoord2d(s, t);
  glVertex3d(x, y, z);
}
}  // namespace

int32_t drawGroundPlane(double x, double y, double z, double* colour, uint32_t texture) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPushMatrix();
  if (y < CeilingBelow) {
    // Built at -y and turned half a turn about the view axis: the same height, facing down.
    glRotated(180.0, 0.0, 0.0, 1.0);
    y = -y;
  }
  glColor3dv(colour);
  glBegin(GL_QUADS);
  texturedVertex(0.0, 0.0, x, y, z);
  texturedVertex(0.0, 1.0, x, y, z + PlaneSize);
  texturedVertex(1.0, 1.0, x + PlaneSize, y, z + PlaneSize);
  texturedVertex(1.0, 0.0, x + PlaneSize, y, z);
  glEnd();
  glDisable(GL_TEXTURE_2D);

  for (int c = 0; c < 3; ++c) colour[c] *= WedgeShade;
  glColor3dv(colour);
  glBegin(GL_TRIANGLES);
  glVertex3d(x + PlaneSize, y, z);
  glVertex3d(x + PlaneSize, y, z + PlaneSize);
  glVertex3d(x + 2.0 * PlaneSize, y, z + PlaneSize);
  glEnd();
  glBegin(GL_TRIANGLES);
  glVertex3d(x, y, z);
  glVertex3d(x - PlaneSize, y, z + PlaneSize);
  glVertex3d(x, y, z + PlaneSize);
  glEnd();
  glPopMatrix();
  glDisable(GL_DEPTH_TEST);
  return 0;
}
