#include "shell/scripted_input.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "shell/input.h"

namespace {
struct NamedKey {
  const char* name;
  int32_t key;
};
constexpr NamedKey NamedKeys[] = {
    {"UP", Key::Up},       {"DOWN", Key::Down},  {"LEFT", Key::Left},
    {"RIGHT", Key::Right}, {"A", Key::Z},        {"B", Key::X},
    {"START", Key::Space}, {"ESC", Key::Escape}, {"KEY4", Key::Four},
};

bool parseNumber(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0';
}

bool parseToken(const std::string& token, ScriptedFrame& frame) {
  for (const NamedKey& k : NamedKeys) {
    if (token == k.name) {
      frame.keys.push_back(k.key);
      return true;
    }
  }
  size_t colon = token.find(':');
  if (colon == std::string::npos) return false;
  std::string name = token.substr(0, colon);
  long value = 0;
  if (!parseNumber(token.substr(colon + 1), value)) return false;
  if (name == "key")
    frame.keys.push_back(static_cast<int32_t>(value));
  else if (name == "axis0")
    frame.axis[0] = static_cast<int32_t>(value);
  else if (name == "axis1")
    frame.axis[1] = static_cast<int32_t>(value);
  else if (name == "button" && value >= 0 && value < 32)
    frame.buttons |= 1u << value;
  else
    return false;
  return true;
}
}  // namespace

bool ScriptedInput::parse(const std::string& text, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string countText, token;
    if (!(words >> countText)) continue;
    long count = 0;
    if (!parseNumber(countText, count) || count < 0 || count > 10000000) {
      error = "line " + std::to_string(number) + ": bad frame count \"" + countText + "\"";
      return false;
    }
    ScriptedFrame frame;
    while (words >> token) {
      if (!parseToken(token, frame)) {
        error = "line " + std::to_string(number) + ": unknown input \"" + token + "\"";
        return false;
      }
    }
    hold(static_cast<size_t>(count), frame);
  }
  return true;
}

void ScriptedInput::hold(size_t count, const ScriptedFrame& frame) {
  frames.insert(frames.end(), count, frame);
}

const ScriptedFrame& ScriptedInput::current() const {
  static const ScriptedFrame Nothing;
  return position < frames.size() ? frames[position] : Nothing;
}

bool ScriptedInput::keyDown(int32_t key) {
  const auto& keys = current().keys;
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

int32_t ScriptedInput::joystickAxis(int axis) {
  return joystick && axis >= 0 && axis < 2 ? current().axis[axis] : 0;
}

int32_t ScriptedInput::joystickButton(int button) {
  if (!joystick || button < 0 || button >= 32) return 0;
  return (current().buttons >> button) & 1u;
}

void ScriptedInput::spinWait() {
  ++spins;
  ++position;
}
