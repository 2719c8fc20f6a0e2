#include "shell/startup.h"

#include <GL/glu.h>
#include <SDL.h>
#include <SDL_opengl.h>
#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "render/meshes.h"
#include "render/text.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/file_buffer.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/settings.h"

LoadingGreyLog LoadingGreys;

namespace {
constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
constexpr int32_t StartUpMeshDetail = 4;  // until the settings give the player's own
constexpr int32_t NearestFilter = 0;      // game textures until the settings give theirs
// Drivers that open a display nobody sees.
constexpr const char* HiddenVideoDrivers[] = {"offscreen", "dummy"};
}  // namespace

void setOpenGlState() {
  glClearColor(0.05f, 0.05f, 0.2f, 0.0f);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CW);
  glCullFace(GL_BACK);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  gluPerspective(90.0, 1.3333333333333333, 1.0, 10000.0);
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

bool usableIcon(int32_t width, int32_t height) {
  return width >= 1 && height >= 1 && width <= MaxIconSide && height <= MaxIconSide;
}

bool videoDriverAskedFor(const char* driver, const char* asked) {
  if (!asked) return false;
  size_t length = std::strlen(driver);
  // SDL takes a comma-separated list of drivers to try.
  for (const char* p = asked; *p;) {
    const char* end = std::strchr(p, ',');
    size_t n = end ? size_t(end - p) : std::strlen(p);
    if (n == length && strncasecmp(p, driver, n) == 0) return true;
    if (!end) break;
    p = end + 1;
  }
  return false;
}

bool visibleOrAskedFor(const char* driver, const char* asked) {
  for (const char* hidden : HiddenVideoDrivers) {
    if (strcasecmp(driver, hidden) == 0) return videoDriverAskedFor(driver, asked);
  }
  return true;
}

namespace {
void setWindowIcon() {
  // Kept for the whole run, like every other start-up resource. One the X server would
  // refuse ends the process, so it is left out, as a missing icon is.
  SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile("resources/icon.bmp", "rb"), 1);
  if (!icon) return;
  if (!usableIcon(icon->w, icon->h)) {
    SDL_FreeSurface(icon);
    return;
  }
  SDL_WM_SetIcon(icon, nullptr);
}

// Without a reachable display SDL falls back to a driver that shows nothing: a game
// nobody can see. Such a driver is taken only when SDL_VIDEODRIVER asks for it.
bool displayCanBeSeen() {
  char driver[32] = {};
  if (!SDL_VideoDriverName(driver, sizeof driver)) return true;
  if (visibleOrAskedFor(driver, std::getenv("SDL_VIDEODRIVER"))) return true;
  SDL_SetError("the %s video driver shows nothing and SDL_VIDEODRIVER did not ask for it", driver);
  return false;
}
}  // namespace

int32_t openDisplay() {
  if (SDL_Init(SDL_INIT_VIDEO) < 0) {
    std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
    return 1;
  }
  int bpp = SDL_GetVideoInfo()->vfmt->BitsPerPixel;
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, bpp);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_WM_SetCaption("BRAVIN-SDL", "BRAVIN");
  setWindowIcon();
  if (!displayCanBeSeen() ||
      !SDL_SetVideoMode(ScreenWidth, ScreenHeight, bpp, SDL_OPENGL | SDL_FULLSCREEN)) {
    std::fprintf(stderr, "Couldn't set 640x480x%d video mode: %s\n", bpp, SDL_GetError());
    SDL_Quit();
    return 2;
  }
  return 0;
}

void showLoadingGrey(double g) {
  if (LoadingGreys.count < LoadingGreyLogSize) LoadingGreys.greys[LoadingGreys.count++] = g;
  glClearColor(float(g), float(g), float(g), 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SDL_GL_SwapBuffers();
}

void loadTextureSheets() {
  for (const TextureSheet& s : TextureSheets) {
    uploadSheetTiles(s, &TextureSlots[s.firstSlot], NearestFilter);
    if (s.greyAfter >= 0.0) showLoadingGrey(s.greyAfter);
  }
}

int32_t startUp() {
  LoadingGreys.count = 0;
  openInput();
  loadOrCreatePreferences();
  openAudioAndLoadEffects();
  setOpenGlState();
  showLoadingGrey(0.9);
  loadFonts();
  setMeshDetail(StartUpMeshDetail);
  buildMeshes();
  fillSineTables();
  loadTextureSheets();
  glClearColor(0.01f, 0.02f, 0.1f, 0.0f);
  applySettings();
  loadStageSequence(readWholeFile);
  startNewGame(0);
  return 0;
}
