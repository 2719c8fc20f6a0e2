#include "shell/input.h"

#include "shell/input_source.h"
#include "shell/replay_answers.h"

const int32_t DefaultKeyCodes[KeyMapSize] = {Key::Up, Key::Left, Key::Right,     Key::Down,
                                             Key::Z,  Key::X,    Key::LeftShift, Key::Space};

int32_t ActiveKeyMap[KeyMapSize] = {Key::Up, Key::Down, Key::Left,      Key::Right,
                                    Key::Z,  Key::X,    Key::LeftShift, Key::Space};

int32_t JoystickPresent = 0;

namespace {
// Stick positions beyond this count as pushed; 255 itself is still centred.
constexpr int32_t AxisThreshold = 255;

// Joystick button pairs of the logical buttons.
struct ButtonPair {
  int first, second;
};
constexpr ButtonPair ButtonsA = {0, 2};
constexpr ButtonPair ButtonsB = {1, 3};
constexpr ButtonPair ButtonsStart = {7, 8};

int32_t mapped(KeyMapIndex k) { return ActiveKeyMap[k]; }

int32_t buttonHeld(KeyMapIndex key, ButtonPair pair) {
  InputSource& in = inputSource();
  bool down = in.keyDown(mapped(key));
  int32_t buttons = 0;
  if (JoystickPresent) {
    in.joystickUpdate();
    buttons = in.joystickButton(pair.first) | in.joystickButton(pair.second);
  }
  if (!down && buttons != 1) return 0;
  in.pumpEvents();
  return 1;
}

// The direction as one answer: (vertical + 1) * 3 + horizontal + 1.
int32_t directionNow() {
  InputSource& in = inputSource();
  int32_t axisX = 0, axisY = 0;
  if (JoystickPresent) {
    in.joystickUpdate();
    axisX = in.joystickAxis(0);
    axisY = in.joystickAxis(1);
  }
  int32_t up = in.keyDown(mapped(MapUp)) || axisY < -AxisThreshold;
  int32_t down = in.keyDown(mapped(MapDown)) || axisY > AxisThreshold;
  int32_t left = in.keyDown(mapped(MapLeft)) || axisX < -AxisThreshold;
  int32_t right = in.keyDown(mapped(MapRight)) || axisX > AxisThreshold;
  in.pumpEvents();
  return (down - up + 1) * 3 + right - left + 1;
}

int32_t escapeReleased() {
  InputSource& in = inputSource();
  in.pumpEvents();
  if (!in.keyDown(Key::Escape)) return 0;
  while (in.keyDown(Key::Escape)) {
    in.spinWait();
    in.pumpEvents();
  }
  return 1;
}
}  // namespace

int32_t openInput() {
  InputSource& in = inputSource();
  JoystickPresent = in.openJoystick() ? 1 : 0;
  if (JoystickPresent) in.joystickUpdate();
  return JoystickPresent;
}

void loadKeyMap(const int32_t prefCodes[KeyMapSize]) {
  ActiveKeyMap[MapUp] = prefCodes[PrefUp];
  ActiveKeyMap[MapDown] = prefCodes[PrefDown];
  ActiveKeyMap[MapLeft] = prefCodes[PrefLeft];
  ActiveKeyMap[MapRight] = prefCodes[PrefRight];
  ActiveKeyMap[MapA] = prefCodes[PrefA];
  ActiveKeyMap[MapB] = prefCodes[PrefB];
  ActiveKeyMap[MapSpare] = prefCodes[PrefSpare];
  ActiveKeyMap[MapStart] = prefCodes[PrefStart];
}

void defaultKeyMap(int32_t prefCodes[KeyMapSize]) {
  for (int i = 0; i < KeyMapSize; ++i) prefCodes[i] = DefaultKeyCodes[i];
}

// Each answer goes through answered(): recorded, or given by a replay being played.
void readDirection(int32_t& vertical, int32_t& horizontal) {
  int32_t d = answered(Answer::Direction, directionNow);
  vertical = d / 3 - 1;
  horizontal = d % 3 - 1;
}

int32_t buttonAHeld() {
  return answered(Answer::ButtonA, [] { return buttonHeld(MapA, ButtonsA); });
}
int32_t buttonBHeld() {
  return answered(Answer::ButtonB, [] { return buttonHeld(MapB, ButtonsB); });
}
int32_t startHeld() {
  return answered(Answer::Start, [] { return buttonHeld(MapStart, ButtonsStart); });
}

int32_t escapePressed() { return answered(Answer::Escape, escapeReleased); }

int32_t keyHeld(int32_t key) {
  return answered(Answer::KeyHeld, [key] {
    InputSource& in = inputSource();
    if (!in.keyDown(key)) return 0;
    in.pumpEvents();
    return 1;
  });
}

void waitStartReleased() {
  while (startHeld()) spinInputWait();
}

void spinInputWait() { inputSource().spinWait(); }
