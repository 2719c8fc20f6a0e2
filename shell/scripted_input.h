#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "shell/input_source.h"

// What is held during one frame of a script.
struct ScriptedFrame {
  std::vector<int32_t> keys;  // SDL key codes held
  int32_t axis[2] = {0, 0};
  uint32_t buttons = 0;  // bit b: joystick button b held
};

// An input source that plays back a script frame by frame. The runner (or a test) calls
// nextFrame() after each frame; a wait for a key release also moves on one frame.
// Past the end of the script nothing is held.
class ScriptedInput final : public InputSource {
 public:
  std::vector<ScriptedFrame> frames;
  bool joystick = false;
  size_t position = 0;
  int pumps = 0;
  int spins = 0;

  // Text form, one line per run of frames: "COUNT TOKEN..." where a token is UP, DOWN,
  // LEFT, RIGHT, A (z), B (x), START (space), ESC, or key:N, axis0:N, axis1:N, button:N.
  // '#' starts a comment. Returns false and sets error on a line it cannot read.
  bool parse(const std::string& text, std::string& error);
  void hold(size_t count, const ScriptedFrame& frame);
  void nextFrame() { ++position; }
  const ScriptedFrame& current() const;

  bool openJoystick() override { return joystick; }
  bool keyDown(int32_t key) override;
  void joystickUpdate() override {}
  int32_t joystickAxis(int axis) override;
  int32_t joystickButton(int button) override;
  void pumpEvents() override { ++pumps; }
  void spinWait() override;
};
