#pragma once
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "render/camera.h"
#include "render/draw_queue.h"
#include "render/meshes.h"
#include "render/texture_upload.h"
#include "tests/support/gl_context.h"

// The game's display with the start-up GL state, cleared to black, the camera placed at
// the resting focus height: a point at depth z lies 240 / z pixels per unit from the
// centre, so at z = 120 one unit is two pixels and (0, 240) is the middle of the screen.
class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    static bool built = false;
    if (!built) buildMeshes();
    built = true;
    setMeshDetail(4);
    drawQueuedScene(-1);
    clearTo(0.0, 0.0, 0.0);
  }
  void TearDown() override { setMeshDetail(4); }

  static void clearTo(double r, double g, double b) {
    glClearColor(float(r), float(g), float(b), 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(240.0);
  }
};

// The screen pixel of a world point seen by the resting camera.
inline int screenX(double x, double z) { return int(320.0 + x * 240.0 / z); }
inline int screenY(double y, double z) { return int(240.0 + (y - 240.0) * 240.0 / z); }

// A texture from RGBA pixels given as 0xRRGGBBAA, rows top first, nearest filtered.
inline uint32_t makeTestTexture(int w, int h, std::initializer_list<uint32_t> rgba) {
  std::vector<uint8_t> bytes;
  for (uint32_t p : rgba) {
    for (int shift : {24, 16, 8, 0}) bytes.push_back(uint8_t(p >> shift));
  }
  return makeTexture(bytes.data(), w, h, true, 0);
}

// Where the screen differs from black, and how much of it does.
struct Coverage {
  int left = 640, top = 480, right = -1, bottom = -1;  // inclusive bounds
  long pixels = 0;
  int width() const { return right < left ? 0 : right - left + 1; }
  int height() const { return bottom < top ? 0 : bottom - top + 1; }
  // Share of the bounding box that is covered.
  double fill() const { return pixels ? double(pixels) / (double(width()) * height()) : 0.0; }
};

inline Coverage coverage() {
  std::vector<uint8_t> screen = readScreen();
  Coverage c;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const uint8_t* p = &screen[(size_t(y) * 640 + x) * 4];
      if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
      ++c.pixels;
      if (x < c.left) c.left = x;
      if (x > c.right) c.right = x;
      if (y < c.top) c.top = y;
      if (y > c.bottom) c.bottom = y;
    }
  }
  return c;
}

// The polygons GL would rasterise for what draw() sends, in window coordinates (x, y and
// depth per vertex), read back through feedback mode.
using FeedbackPolygon = std::vector<float>;
inline std::vector<FeedbackPolygon> feedbackPolygons(const std::function<void()>& draw) {
  static std::vector<GLfloat> buffer(1 << 20);
  glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  GLint used = glRenderMode(GL_RENDER);
  std::vector<FeedbackPolygon> polygons;
  for (GLint i = 0; i < used;) {
    GLint token = GLint(buffer[size_t(i++)]);
    if (token == GL_POLYGON_TOKEN) {
      int corners = int(buffer[size_t(i++)]);
      polygons.emplace_back(&buffer[size_t(i)], &buffer[size_t(i + corners * 3)]);
      i += corners * 3;
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      i += 6;
    } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
               token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
      i += 3;
    } else {
      i += 1;  // pass-through marker
    }
  }
  return polygons;
}
