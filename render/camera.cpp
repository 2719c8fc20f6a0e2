#include "render/camera.h"

#include <GL/glu.h>
#include <SDL.h>
#include <SDL_opengl.h>

#include <cmath>

namespace {
constexpr double EyeFollow = 0.25;    // the eye moves a quarter of the focus offset
constexpr double CentreLead = 5.0;    // the look-at point moves the other way, five times
constexpr double ViewDepth = 9600.0;  // the look-at point's depth
constexpr double DegreesPerRadian = 57.29577951471995;
}  // namespace

void clearScreen() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
}

void placeCamera(double focusY) {
  double offset = focusY - 240.0;
  gluLookAt(0.0, 240.0 + offset * EyeFollow, 0.0, 0.0, 240.0 - offset * CentreLead, ViewDepth, 0.0,
            -8.0, 0.0);
}

void applyOverlayTransform(double focusY) {
  double offset = focusY - 240.0;
  glTranslated(0.0, 240.0 + offset * EyeFollow, 0.0);
  double a = std::atan(offset * (EyeFollow + CentreLead) / ViewDepth) * DegreesPerRadian;
  glRotated(a, 1.0, 0.0, 0.0);
  glTranslated(0.0, -240.0, 0.0);
}

void presentFrame() { SDL_GL_SwapBuffers(); }

// A frame that is not shown still hands its commands to the renderer: without a swap
// nothing else would, and a software renderer keeps every unshown frame's commands.
void dropFrame() { glFlush(); }

// A scissor box of no pixels: the renderer then drops every triangle before rasterising it.
void hideFrameDraws(bool hidden) {
  if (hidden) {
    glScissor(0, 0, 0, 0);
    glEnable(GL_SCISSOR_TEST);
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
}
