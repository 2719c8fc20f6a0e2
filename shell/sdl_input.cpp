// The game's own input source: SDL's keyboard state and joystick 0.
#include <SDL.h>

#include "shell/input_source.h"

namespace {
class SdlInput final : public InputSource {
 public:
  bool openJoystick() override {
    if (SDL_Init(SDL_INIT_JOYSTICK) != 0) return false;
    joystick_ = SDL_JoystickOpen(0);
    return true;
  }
  bool keyDown(int32_t key) override {
    int count = 0;
    const Uint8* keys = SDL_GetKeyState(&count);
    // Key codes come from the preferences file: never index past the state array.
    return keys && key >= 0 && key < count && keys[key] == 1;
  }
  void joystickUpdate() override { SDL_JoystickUpdate(); }
  int32_t joystickAxis(int axis) override {
    return joystick_ ? SDL_JoystickGetAxis(joystick_, axis) : 0;
  }
  int32_t joystickButton(int button) override {
    return joystick_ ? SDL_JoystickGetButton(joystick_, button) : 0;
  }
  void pumpEvents() override { SDL_PumpEvents(); }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

SdlInput TheSdlInput;
InputSource* Installed = &TheSdlInput;
}  // namespace

InputSource& inputSource() { return *Installed; }
void setInputSource(InputSource* source) { Installed = source ? source : &TheSdlInput; }
