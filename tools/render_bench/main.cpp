// Times the drawing of one frame that fills the draw queue: 112 textured quads and 16 lit
// models with their shadows, at 640x480, for each detail factor given (default 4 and 8).
// Prints the median, fastest and 90th-percentile frame over the measured frames.
//
//   bravin-render-bench [frames, default 300] [detail factor ...]

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "render/camera.h"
#include "render/draw_queue.h"
#include "render/meshes.h"
#include "shell/startup.h"

namespace {
constexpr int QuadItems = 112;
constexpr int ModelItems = 16;
constexpr int WarmUpFrames = 20;
constexpr int SpriteTextures = 8;

// Sprite-like 64 x 64 RGBA textures: a soft disc in a different tint each.
std::vector<uint32_t> makeSprites() {
  std::vector<uint32_t> names(SpriteTextures);
  std::vector<uint8_t> pixels(64 * 64 * 4);
  for (int t = 0; t < SpriteTextures; ++t) {
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        int dx = x - 32, dy = y - 32, d2 = dx * dx + dy * dy;
        uint8_t* p = &pixels[size_t(y * 64 + x) * 4];
        p[0] = uint8_t(128 + 16 * t);
        p[1] = uint8_t(255 - 24 * t);
        p[2] = uint8_t(64 + 20 * t);
        p[3] = d2 < 30 * 30 ? uint8_t(255 - d2 / 4) : 0;
      }
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    names[size_t(t)] = name;
  }
  return names;
}

// One frame as the scene step draws it: the objects are queued during the update (the
// models' shadows drawn then), then the queue is flushed farthest first.
void drawFrame(const std::vector<uint32_t>& sprites, int frame) {
  const double white[4] = {1.0, 1.0, 1.0, 1.0};
  clearScreen();
  placeCamera(240.0);
  for (int i = 0; i < ModelItems; ++i) {
    double z = 400.0 + 100.0 * i;
    double x = (i % 2 ? 1.0 : -1.0) * (100.0 + 40.0 * (i % 4));
    queueDraw(x, 420.0, z, 48.0, 48.0, double((frame * 3 + i * 20) % 360), white, 0x10001 + i % 13,
              ModelDrawKind);
  }
  for (int i = 0; i < QuadItems; ++i) {
    double z = 240.0 + 12.0 * ((i * 37 + frame) % 112);
    double x = -240.0 + 40.0 * (i % 13);
    double y = 120.0 + 30.0 * (i % 9);
    queueDraw(x, y, z, 24.0, 24.0, double(i * 7 % 360), white,
              int32_t(sprites[size_t(i) % sprites.size()]), 0);
  }
  drawQueuedScene(0);
  glFinish();
}

// Share of the screen that the last frame drew on, as a check that the frame is in view.
double coveredShare() {
  std::vector<uint8_t> rgba(640 * 480 * 4);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  long covered = 0;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    if (std::abs(rgba[i] - int(clear[0] * 255 + 0.5)) > 1 ||
        std::abs(rgba[i + 1] - int(clear[1] * 255 + 0.5)) > 1 ||
        std::abs(rgba[i + 2] - int(clear[2] * 255 + 0.5)) > 1) {
      ++covered;
    }
  }
  return double(covered) / (640.0 * 480.0);
}

double percentile(std::vector<double> v, double share) {
  std::sort(v.begin(), v.end());
  return v[size_t(share * double(v.size() - 1) + 0.5)];
}
}  // namespace

int main(int argc, char** argv) {
  int frames = argc > 1 ? std::atoi(argv[1]) : 300;
  if (frames < 1) frames = 300;
  std::vector<int32_t> factors;
  for (int i = 2; i < argc; ++i) factors.push_back(std::atoi(argv[i]));
  if (factors.empty()) factors = {4, 8};

  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (openDisplay() != 0) return 1;
  setOpenGlState();
  buildMeshes();
  std::vector<uint32_t> sprites = makeSprites();
  std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  std::printf("frame: %d quads + %d lit models (with shadows), 640x480, %d frames each\n",
              QuadItems, ModelItems, frames);

  for (int32_t factor : factors) {
    setMeshDetail(factor);
    for (int f = 0; f < WarmUpFrames; ++f) drawFrame(sprites, f);
    std::vector<double> ms;
    for (int f = 0; f < frames; ++f) {
      auto t0 = std::chrono::steady_clock::now();
      drawFrame(sprites, f);
      auto t1 = std::chrono::steady_clock::now();
      ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
      if (f + 1 < frames) SDL_GL_SwapBuffers();
    }
    double covered = coveredShare();
    std::printf(
        "detail factor %d (%2d segments): median %.2f ms  fastest %.2f ms  p90 %.2f ms"
        "  (%.0f%% of the screen drawn)\n",
        MeshDetailFactor, MeshDetailFactor * 4, percentile(ms, 0.5), percentile(ms, 0.0),
        percentile(ms, 0.9), covered * 100.0);
  }
  SDL_Quit();
  return 0;
}
