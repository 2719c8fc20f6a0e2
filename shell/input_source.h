#pragma once
#include <cstdint>

// Where the logical inputs come from. The game reads SDL's keyboard and joystick state;
// tests and the headless runner install a scripted source instead.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // SDL_Init(SDL_INIT_JOYSTICK) and SDL_JoystickOpen(0); true when the subsystem started.
  virtual bool openJoystick() = 0;
  // The byte for this SDL key code in the keyboard state equals 1.
  virtual bool keyDown(int32_t key) = 0;
  virtual void joystickUpdate() = 0;
  // Signed 16-bit axis value; 0 when no joystick is open.
  virtual int32_t joystickAxis(int axis) = 0;
  // 1 when the button is down; 0 when no joystick is open.
  virtual int32_t joystickButton(int button) = 0;
  virtual void pumpEvents() = 0;
  // Called once per turn of a loop that waits for a key to be let go. The real keyboard
  // changes on its own; a scripted one moves on to its next frame.
  virtual void spinWait() {}
};

// The installed source; never null.
InputSource& inputSource();
// Installs a source (not owned); null restores the SDL source.
void setInputSource(InputSource* source);
