#include "render/quads.h"

#include <SDL_opengl.h>

namespace {
void corner(double s, double t, double x, double y) {
  glTexCoord2d(s, t);
  glVertex2d(x, y);
}
}  // namespace

int32_t drawTexturedQuad(double x, double y, double z, double sx, double sy, double angle,
                         const double* colour, uint32_t texture) {
  if (texture == 0) return 0;
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  if (w < 1 || h < 1) {  // a name that holds no picture
    glDisable(GL_TEXTURE_2D);
    return 0;
  }
  glPushMatrix();
  glTranslated(x, y, z);
  glRotated(angle, 0.0, 0.0, 1.0);
  glScaled(sx, sy, 1.0);
  glColor4d(colour[0], colour[1], colour[2], colour[3]);

  // Half a texel in from each edge, so that neighbouring tiles never bleed in.
  double s0 = 0.5 / w, s1 = 1.0 - s0;
  double t0 = 0.5 / h, t1 = 1.0 - t0;
  glBegin(GL_QUADS);
  if (sx * sy >= 0.0) {
    corner(s0, t0, -1.0, -1.0);
    corner(s1, t0, 1.0, -1.0);
    corner(s1, t1, 1.0, 1.0);
    corner(s0, t1, -1.0, 1.0);
  } else {
    // The negative scale reverses the winding; reversing the corners keeps it front-facing.
    corner(s0, t0, -1.0, -1.0);
    corner(s0, t1, -1.0, 1.0);
    corner(s1, t1, 1.0, 1.0);
    corner(s1, t0, 1.0, -1.0);
  }
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
  return 0;
}
