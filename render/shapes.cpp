#include "render/shapes.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "render/meshes.h"

namespace {
constexpr int32_t EquatorRow = 8;
constexpr int32_t LastRow = SphereRows - 1;

void vertex(const MeshPoint& p) { glVertex3d(p.x, p.y, p.z); }
void vertexAt(const MeshPoint& p, double z) { glVertex3d(p.x, p.y, z); }
void normal(const MeshPoint& p) { glNormal3d(p.x, p.y, p.z); }

// Shape z becomes -y: the top of a shape, z = 1, ends up above its origin on screen.
void beginShape() {
  glPushMatrix();
  glRotated(90.0, 1.0, 0.0, 0.0);
}
void endShape() { glPopMatrix(); }

// The sphere's quads for the bands from the pole down to lastRow. A step that does not
// divide the rows evenly stops its last band at lastRow rather than past the grid.
void drawSphereBands(int32_t q, int32_t lastRow) {
  for (int32_t r = 0; r < lastRow; r += q) {
    int32_t below = std::min(r + q, lastRow);
    int32_t normalRow = std::min(r + q / 2, LastRow - 1);
    for (int32_t j = 0; j < SphereColumns; j += q) {
      int32_t next = (j + q) % SphereColumns;
      glBegin(GL_QUADS);
      normal(SphereNormals[normalRow][j]);
      vertex(SphereGrid[r][j]);
      vertex(SphereGrid[r][next]);
      vertex(SphereGrid[below][next]);
      vertex(SphereGrid[below][j]);
      glEnd();
    }
  }
}

// A flat disc at height z facing down: circle points in increasing order.
void drawLowerCap(int32_t q, double z) {
  glBegin(GL_TRIANGLE_FAN);
  glNormal3d(0.0, 0.0, -1.0);
  glVertex3d(0.0, 0.0, z);
  for (int32_t k = 0; k < CirclePoints; k += q) vertexAt(Circle[k], z);
  vertexAt(Circle[0], z);
  glEnd();
}
}  // namespace

int32_t segmentStep(int32_t n) { return CirclePoints / std::clamp(n, 1, CirclePoints); }

void drawSphere(int32_t n) {
  beginShape();
  drawSphereBands(segmentStep(n), LastRow);
  endShape();
}

void drawDome(int32_t n) {
  int32_t q = segmentStep(n);
  beginShape();
  drawSphereBands(q, EquatorRow);
  drawLowerCap(q, 0.0);
  endShape();
}

void drawCylinder(int32_t n) {
  int32_t q = segmentStep(n);
  beginShape();
  glBegin(GL_TRIANGLE_FAN);
  glNormal3d(0.0, 0.0, 1.0);
  glVertex3d(0.0, 0.0, 1.0);
  for (int32_t k = CirclePoints; k > 0; k -= q) vertexAt(Circle[k % CirclePoints], 1.0);
  vertexAt(Circle[0], 1.0);
  glEnd();
  for (int32_t k = 0; k < CirclePoints; k += q) {
    int32_t next = (k + q) % CirclePoints;
    glBegin(GL_QUADS);
    normal(CircleNormals[k]);
    vertexAt(Circle[k], 1.0);
    vertexAt(Circle[next], 1.0);
    vertexAt(Circle[next], -1.0);
    vertexAt(Circle[k], -1.0);
    glEnd();
  }
  drawLowerCap(q, -1.0);
  endShape();
}

void drawCone(int32_t n) {
  int32_t q = segmentStep(n);
  beginShape();
  // The side keeps the cylinder's horizontal normals rather than tilting them to the slope.
  glBegin(GL_TRIANGLE_FAN);
  glNormal3d(0.0, 0.0, 1.0);
  glVertex3d(0.0, 0.0, 1.0);
  for (int32_t k = CirclePoints; k > 0; k -= q) {
    normal(CircleNormals[k % CirclePoints]);
    vertexAt(Circle[k % CirclePoints], -1.0);
  }
  vertexAt(Circle[0], -1.0);
  glEnd();
  drawLowerCap(q, -1.0);
  endShape();
}

int32_t drawModelPart(int32_t shape, double ox, double oy, double oz, double s, double t, double r,
                      double g, double b, int32_t n) {
  glPushMatrix();
  glTranslated(ox, oy, oz);
  glScaled(s, t, s);
  const GLfloat diffuse[4] = {float(r), float(g), float(b), 1.0f};
  glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  switch (Shape(shape)) {
    case Shape::Sphere:
      drawSphere(n);
      break;
    case Shape::Dome:
      drawDome(n);
      break;
    case Shape::Cylinder:
      drawCylinder(n);
      break;
    case Shape::Cone:
      drawCone(n);
      break;
  }
  glPopMatrix();
  return 0;
}
