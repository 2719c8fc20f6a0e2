#include "shell/startup.h"

#include <GL/glu.h>
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>

#include "actors/stage_sequence.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "render/meshes.h"
#include "shell/audio.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/texture_upload.h"

LoadingGreyLog LoadingGreys;

namespace {
constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;

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

namespace {
void setWindowIcon() {
  // Kept for the whole run, like every other start-up resource.
  SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile("resources/icon.bmp", "rb"), 1);
  if (icon) SDL_WM_SetIcon(icon, nullptr);
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
  if (!SDL_SetVideoMode(ScreenWidth, ScreenHeight, bpp, SDL_OPENGL | SDL_FULLSCREEN)) {
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
  int32_t filter = settingsWord(SettingTextureFilter);
  for (const TextureSheet& s : TextureSheets) {
    char path[64];
    std::snprintf(path, sizeof path, "resources/%s", s.file);
    uploadTextureTiles(path, s.tileWidth, s.tileHeight, s.tiles, &TextureSlots[s.firstSlot],
                       s.alpha, s.alwaysNearest ? 0 : filter);
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
  loadFontsAndModels();
  fillSineTables();
  loadTextureSheets();
  glClearColor(0.01f, 0.02f, 0.1f, 0.0f);
  applySettings();
  loadStageSequence();
  startNewGame(0);
  return 0;
}
