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
  if (model == DiscModel) {
    drawPolygon(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, colour, detailSegments());
  } else if (const ModelDef* def = lit ? findModel(model) : nullptr) {
    for (int32_t i = 0; i < def->partCount; ++i) {
      const ModelPart& p = def->parts[i];
      drawModelPart(p.shape, p.ox, p.oy, p.oz, p.s, p.t, p.r, p.g, p.b,
                    p.segments ? p.segments : detailSegments());
    }
  }
  if (lit) glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glPopMatrix();
  return 0;
}
