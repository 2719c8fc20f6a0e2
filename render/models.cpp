#include "render/models.h"

#include <SDL_opengl.h>

#include "render/meshes.h"
#include "render/model_table.h"
#include "render/primitives.h"
#include "render/shapes.h"

namespace {
// A point light 500 units above the world origin, set while the matrix holds the camera.
void setLight() {
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  const GLfloat position[4] = {0.0f, -500.0f, 0.0f, 1.0f};
  const GLfloat specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
  glEnable(GL_NORMALIZE);
}

void drawPart(const ModelPart& p, const double* colour) {
  int32_t n = p.segments ? p.segments : detailSegments();
  if (p.shape == DiscShape) {
    drawPolygon(p.ox, p.oy, p.oz, p.s, p.t, 0.0, colour, n);
  } else {
    drawModelPart(p.shape, p.ox, p.oy, p.oz, p.s, p.t, p.r, p.g, p.b, n);
  }
}
}  // namespace

int32_t drawModel(double x, double y, double z, double sx, double sy, double angle,
                  const double* colour, int32_t model) {
  glEnable(GL_DEPTH_TEST);
  bool lit = model < FirstUnlitModel;
  glPushMatrix();
  if (lit) {
    setLight();
    glTranslated(x, y, z);
    glScaled(sx, sy, 0.5 * sx);  // every lit model is half as deep as it is wide
    glRotated(angle, 0.0, 1.0, 0.0);
  } else {
    glTranslated(x, y, z);
    glRotated(angle, 0.0, 0.0, 1.0);
    glScaled(sx, sy, 1.0);
  }
  if (const ModelDef* def = findModel(model)) {
    for (int32_t i = 0; i < def->partCount; ++i) drawPart(def->parts[i], colour);
  }
  if (lit) glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glPopMatrix();
  return 0;
}
