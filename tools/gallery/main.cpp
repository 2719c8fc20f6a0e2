// Draws every model of the model table at each detail level, both fonts, the flat
// primitives, plain, mirrored and turned quads and a lit scene, and writes each picture as
// a PNG file for review. Run from the top of the source tree so that resources/ is found;
// without fonts there it draws stand-in glyphs of its own.
//
//   bravin-gallery [output folder, default "out/gallery"]

#include <SDL.h>
#include <SDL_opengl.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/camera.h"
#include "render/draw_queue.h"
#include "render/fade.h"
#include "render/ground_plane.h"
#include "render/meshes.h"
#include "render/model_table.h"
#include "render/models.h"
#include "render/primitives.h"
#include "render/quads.h"
#include "render/text.h"
#include "shell/startup.h"
#include "tools/gallery/gallery_art.h"

namespace {
std::string OutputFolder = "out/gallery";
int Failures = 0;

const double White[4] = {1.0, 1.0, 1.0, 1.0};
const double Grey[4] = {0.7, 0.7, 0.75, 1.0};
const double Yellow[4] = {1.0, 0.9, 0.3, 1.0};
const double Cyan[4] = {0.4, 0.9, 1.0, 1.0};

void beginPicture() {
  glClearColor(0.01f, 0.02f, 0.1f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  placeCamera(240.0);
}

void endPicture(const std::string& name) {
  std::string path = OutputFolder + "/" + name;
  if (writeScreenPng(path)) {
    std::printf("wrote %s\n", path.c_str());
  } else {
    std::printf("could not write %s\n", path.c_str());
    ++Failures;
  }
}

// World coordinates of screen pixel (px, py) at depth z, for the resting camera.
double worldX(double px, double z) { return (px - 320.0) * z / 240.0; }
double worldY(double py, double z) { return 240.0 + (py - 240.0) * z / 240.0; }

// Small text whose first cell starts at pixel (px, py), cells 8 pixels wide.
void label(double px, double py, const char* text, const double* colour = Grey) {
  drawSmallText(worldX(px + 4, 120.0), worldY(py, 120.0), 120.0, 2.0, colour, text);
}
void heading(const char* text) {
  drawLargeText(worldX(16, 120.0), worldY(20, 120.0), 120.0, 4.0, Yellow, text);
}

constexpr int32_t ModelNumbers[] = {0x10001, 0x10002, 0x10003, 0x10004,  0x10005,
                                    0x10006, 0x10007, 0x10008, 0x10009,  0x1000A,
                                    0x1000B, 0x1000C, 0x1000D, DiscModel};

void drawModelSheet(int32_t factor) {
  setMeshDetail(factor);
  beginPicture();
  const double z = 600.0;
  int i = 0;
  for (int32_t model : ModelNumbers) {
    int column = i % 5, row = i / 5;
    double px = 64 + 128 * column, py = 120 + 140 * row;
    const double discColour[4] = {1.0, 0.6, 0.2, 0.9};
    drawModel(worldX(px, z), worldY(py, z), z, 110.0, 110.0, 30.0, discColour, model);
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(model));
    label(px - 20, py + 56, text);
    ++i;
  }
  char title[48];
  std::snprintf(title, sizeof title, "MODELS, DETAIL %d (%d SEGMENTS)", factor, factor * 4);
  heading(title);
  char name[32];
  std::snprintf(name, sizeof name, "models-detail-%d.png", factor);
  endPicture(name);
}

void drawFontSheet() {
  beginPicture();
  heading("LARGE FONT AND SMALL FONT");
  drawLargeText(worldX(24, 120.0), worldY(70, 120.0), 120.0, 8.0, White, "BRAVIN");
  drawLargeText(worldX(24, 120.0), worldY(120, 120.0), 120.0, 6.0, Cyan, "STAGE 1  READY?");
  drawLargeText(worldX(16, 120.0), worldY(160, 120.0), 120.0, 4.0, White,
                "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789");
  drawLargeText(worldX(16, 120.0), worldY(190, 120.0), 120.0, 4.0, Grey,
                "abcdefghijklmnopqrstuvwxyz !?.,:-+*/()");
  char codes[33];
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 32; ++i) codes[i] = char(32 + row * 32 + i);
    codes[32] = 0;
    label(16, 240 + 16 * row, codes, White);
  }
  label(16, 310, "SCORE 00012300   HI 00250000   LIVES 3   COINS 07", Yellow);
  label(16, 330, "Press START", Cyan);
  label(16, 350, "The quick brown fox jumps over the lazy dog.");
  const double faded[4] = {1.0, 1.0, 1.0, 0.4};
  label(16, 370, "translucent text at alpha 0.4", faded);
  drawSmallText(worldX(16 + 4, 120.0), worldY(410, 120.0), 120.0, 4.0, White, "SIZE 4 SMALL");
  char longLine[80];
  for (int i = 0; i < 79; ++i) longLine[i] = char('0' + i % 10);
  longLine[79] = 0;
  label(16, 450, longLine, Grey);  // stops after 64 characters
  endPicture("fonts.png");
}

void drawPrimitiveSheet() {
  beginPicture();
  heading("POLYGONS, RECTANGLES, LINES, SHADOWS");
  const int32_t corners[] = {3, 4, 5, 8, 32};
  const double colours[5][4] = {
      {1, 0.3, 0.3, 1}, {0.3, 1, 0.3, 1}, {0.3, 0.5, 1, 1}, {1, 0.8, 0.2, 1}, {0.9, 0.9, 0.9, 0.7}};
  for (int i = 0; i < 5; ++i) {
    double px = 64 + 128 * i;
    drawPolygon(worldX(px, 120.0), worldY(110, 120.0), 120.0, 16.0, 16.0, 0.0, colours[i],
                corners[i]);
    char text[8];
    std::snprintf(text, sizeof text, "N=%d", corners[i]);
    label(px - 16, 160, text);
  }
  const double orange[4] = {1.0, 0.5, 0.1, 1.0};
  const double blue[4] = {0.2, 0.4, 1.0, 0.6};
  drawFilledRect(worldX(90, 120.0), worldY(250, 120.0), 120.0, 30.0, 15.0, 0.0, orange);
  drawFilledRect(worldX(270, 120.0), worldY(250, 120.0), 120.0, 30.0, 15.0, 30.0, orange);
  drawFilledRect(worldX(300, 120.0), worldY(262, 120.0), 120.0, 15.0, 15.0, 0.0, blue);
  label(50, 300, "RECT 0");
  label(190, 300, "RECT 30: SHEARED");
  for (int i = 0; i < 12; ++i) {
    double a = i * 3.14159265 / 6;
    const double from[3] = {worldX(520, 120.0), worldY(250, 120.0), 120.0};
    const double to[3] = {from[0] + 25 * std::cos(a), from[1] + 25 * std::sin(a), 120.0};
    drawLine(from, to, Cyan);
  }
  label(500, 300, "LINES");
  // Shadows lie on a plane below the eye and are seen from above.
  const int32_t factors[] = {1, 2, 4, 8};
  for (int i = 0; i < 4; ++i) {
    setMeshDetail(factors[i]);
    double px = 140 + 120 * i;
    drawShadow(worldX(px, 300.0), worldY(400, 300.0), 300.0, 48.0, 40.0);
    char text[16];
    std::snprintf(text, sizeof text, "SHADOW %d", factors[i]);
    label(px - 32, 450, text);
  }
  setMeshDetail(4);
  endPicture("primitives.png");
}

void drawQuadSheet() {
  beginPicture();
  heading("TEXTURED QUADS");
  uint32_t arrow = makeArrowSprite();
  struct Sample {
    double sx, sy, angle;
    const double* colour;
    uint32_t texture;
    const char* caption;
  };
  const double tinted[4] = {1.0, 0.4, 0.4, 0.6};
  const Sample samples[] = {
      {16, 16, 0, White, arrow, "PLAIN"},      {-16, 16, 0, White, arrow, "SX<0"},
      {16, -16, 0, White, arrow, "SY<0"},      {-16, -16, 0, White, arrow, "BOTH<0"},
      {16, 16, 45, White, arrow, "ANGLE 45"},  {16, 16, 90, White, arrow, "ANGLE 90"},
      {24, 12, 30, White, arrow, "24X12 A30"}, {16, 16, 0, tinted, arrow, "TINT A.6"},
      {16, 16, 0, White, 0, "TEXTURE 0"},
  };
  int i = 0;
  for (const Sample& s : samples) {
    double px = 80 + 160 * (i % 4), py = 130 + 150 * (i / 4);
    drawTexturedQuad(worldX(px, 120.0), worldY(py, 120.0), 120.0, s.sx, s.sy, s.angle, s.colour,
                     s.texture);
    label(px - 36, py + 56, s.caption);
    ++i;
  }
  endPicture("quads.png");
}

// A stretch of open ground with models, their shadows, sprites and the text layer.
void drawScene(bool tunnel) {
  setMeshDetail(4);
  beginPicture();
  uint32_t ground = makeGroundTile();
  double colour[3] = {0.9, 0.95, 0.85};
  if (tunnel) drawGroundPlane(-2048.0, 0.5, 0.0, colour, ground);
  drawGroundPlane(-2048.0, 480.0, 0.0, colour, ground);

  const int32_t models[] = {0x10001, 0x10004, 0x10006, 0x10008, 0x1000C,
                            0x10007, 0x10003, 0x1000D, 0x10002, 0x10005};
  for (int i = 0; i < 10; ++i) {
    double z = 420.0 + 170.0 * i;
    double x = (i % 2 ? 1 : -1) * (120.0 + 50.0 * (i % 3)) + 20.0 * i;
    queueDraw(x, 416.0, z, 56.0, 56.0, 20.0 * i, White, models[i], ModelDrawKind);
  }
  uint32_t glows[3] = {makeGlowSprite(0xFF8020), makeGlowSprite(0x40C0FF),
                       makeGlowSprite(0xFFE040)};
  for (int i = 0; i < 12; ++i) {
    double z = 300.0 + 150.0 * i;
    queueDraw(-300.0 + 55.0 * i, 150.0 + 18.0 * (i % 5), z, 14.0, 14.0, 0.0, White,
              int32_t(glows[i % 3]), 0);
  }
  const double shot[4] = {1.0, 0.9, 0.5, 0.9};
  for (int i = 0; i < 4; ++i) {
    queueDraw(-20.0 + 14.0 * i, 300.0 - 6.0 * i, 320.0 + 120.0 * i, 6.0, 6.0, 0.0, shot, DiscModel,
              ModelDrawKind);
  }
  uint32_t arrow = makeArrowSprite();
  queueDraw(-40.0, 330.0, 240.0, 20.0, 20.0, 0.0, White, int32_t(arrow), 0);
  drawQueuedScene(0);

  applyOverlayTransform(240.0);
  label(12, 12, "SCORE 00012300", White);
  label(420, 12, "HI 00250000", White);
  label(12, 456, "LIVES 3  COINS 07", Yellow);
  drawLargeText(-64.0, 200.0, 120.0, 8.0, Cyan, tunnel ? "TUNNEL" : "STAGE 1");
}

void drawFadeSheet() {
  drawScene(false);
  applyOverlayTransform(240.0);
  drawFadeOverlay(0.6);
  label(12, 240, "FADE LEVEL 0.6", White);
  endPicture("fade.png");
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) OutputFolder = argv[1];
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (openDisplay() != 0) return 1;
  setOpenGlState();
  loadFonts();
  buildMeshes();
  if (SmallFontTiles[33] == 0 || LargeFontTiles[33] == 0) {
    std::printf("no fonts in resources/: drawing stand-in glyphs\n");
    makeStandInFonts();
  }
  for (size_t slash = OutputFolder.find('/', 1); slash != std::string::npos;
       slash = OutputFolder.find('/', slash + 1)) {
    mkdir(OutputFolder.substr(0, slash).c_str(), 0755);
  }
  mkdir(OutputFolder.c_str(), 0755);
  for (int32_t factor : {1, 2, 4, 8}) drawModelSheet(factor);
  drawFontSheet();
  drawPrimitiveSheet();
  drawQuadSheet();
  drawScene(false);
  endPicture("scene.png");
  drawScene(true);
  endPicture("scene-tunnel.png");
  drawFadeSheet();
  SDL_Quit();
  return Failures ? 1 : 0;
}
