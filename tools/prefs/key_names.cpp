#include "tools/prefs/key_names.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>

namespace {
std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool isWholeNumber(const std::string& text) {
  return !text.empty() && text.size() <= 9 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isKeyCode(int32_t code) { return code > SDLK_UNKNOWN && code < SDLK_LAST; }
}  // namespace

std::string keyNameOf(int32_t code) {
  if (!isKeyCode(code)) return "unknown key";
  return SDL_GetKeyName(static_cast<SDLKey>(code));
}

int32_t keyCodeFor(const std::string& text) {
  std::string wanted = lowerCase(text);
  for (int32_t code = SDLK_UNKNOWN + 1; code < SDLK_LAST; ++code) {
    if (keyNameOf(code) == wanted && wanted != "unknown key") return code;
  }
  if (!isWholeNumber(text)) return 0;
  int32_t code = std::stoi(text);
  return isKeyCode(code) ? code : 0;
}
