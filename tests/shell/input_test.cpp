#include <gtest/gtest.h>

#include "shell/input.h"
#include "shell/scripted_input.h"

namespace {
class InputTest : public ::testing::Test {
 protected:
  ScriptedInput script;
  void SetUp() override {
    script.joystick = true;
    setInputSource(&script);
    openInput();
    int32_t codes[KeyMapSize];
    defaultKeyMap(codes);
    loadKeyMap(codes);
  }
  void TearDown() override { setInputSource(nullptr); }
  void holdNow(const ScriptedFrame& frame) {
    script.frames = {frame};
    script.position = 0;
  }
  ScriptedFrame keys(std::initializer_list<int32_t> held) {
    ScriptedFrame f;
    f.keys = held;
    return f;
  }
};
}  // namespace

TEST_F(InputTest, OppositeDirectionsCancel) {
  int32_t v = 9, h = 9;
  holdNow(keys({Key::Left, Key::Right}));
  readDirection(v, h);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(v, 0);

  ScriptedFrame f = keys({Key::Left});
  f.axis[0] = 300;
  holdNow(f);
  readDirection(v, h);
  EXPECT_EQ(h, 0);

  holdNow(keys({Key::Up, Key::Right}));
  readDirection(v, h);
  EXPECT_EQ(v, -1);
  EXPECT_EQ(h, 1);
}

TEST_F(InputTest, StickCountsAsPushedOnlyBeyond255) {
  int32_t v = 9, h = 9;
  ScriptedFrame f;
  f.axis[0] = 255;
  f.axis[1] = -255;
  holdNow(f);
  readDirection(v, h);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(v, 0);
  f.axis[0] = 256;
  f.axis[1] = -256;
  holdNow(f);
  readDirection(v, h);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(v, -1);
  f.axis[0] = -256;
  f.axis[1] = 256;
  holdNow(f);
  readDirection(v, h);
  EXPECT_EQ(h, -1);
  EXPECT_EQ(v, 1);
}

TEST_F(InputTest, StickIsIgnoredWhenTheJoystickSubsystemDidNotStart) {
  script.joystick = false;
  openInput();
  ScriptedFrame f;
  f.axis[0] = 30000;
  f.buttons = 1u << 0;
  holdNow(f);
  int32_t v, h;
  readDirection(v, h);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(buttonAHeld(), 0);
}

TEST_F(InputTest, EachButtonAnswersToItsKeyAndItsTwoJoystickButtons) {
  struct Case {
    int32_t (*held)();
    int32_t key;
    int first, second;
  } cases[] = {{buttonAHeld, Key::Z, 0, 2}, {buttonBHeld, Key::X, 1, 3},
               {startHeld, Key::Space, 7, 8}};
  for (const Case& c : cases) {
    holdNow(keys({c.key}));
    EXPECT_EQ(c.held(), 1);
    for (int b = 0; b < 12; ++b) {
      ScriptedFrame f;
      f.buttons = 1u << b;
      holdNow(f);
      EXPECT_EQ(c.held(), (b == c.first || b == c.second) ? 1 : 0) << "button " << b;
    }
    ScriptedFrame both;
    both.buttons = (1u << c.first) | (1u << c.second);
    holdNow(both);
    EXPECT_EQ(c.held(), 1);
    holdNow({});
    EXPECT_EQ(c.held(), 0);
  }
}

TEST_F(InputTest, HoldingEscapeForManyFramesGivesOneActionOnRelease) {
  script.hold(1, {});
  script.hold(40, keys({Key::Escape}));
  script.hold(10, {});
  int actions = 0;
  for (int frame = 0; frame < 20; ++frame) {
    actions += escapePressed();
    script.nextFrame();
  }
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(script.spins, 40);
  EXPECT_FALSE(script.keyDown(Key::Escape));
}

TEST_F(InputTest, KeyCodesFromThePreferencesOrderReachTheRightControls) {
  // Preferences order: Up, Left, Right, Down, A, B, spare, START.
  const int32_t codes[KeyMapSize] = {119, 97, 100, 115, 106, 107, 108, 13};
  loadKeyMap(codes);
  int32_t v, h;
  holdNow(keys({97}));
  readDirection(v, h);
  EXPECT_EQ(h, -1);
  holdNow(keys({115}));
  readDirection(v, h);
  EXPECT_EQ(v, 1);
  holdNow(keys({106}));
  EXPECT_EQ(buttonAHeld(), 1);
  holdNow(keys({13}));
  EXPECT_EQ(startHeld(), 1);
  holdNow(keys({108, Key::Up, Key::Z, Key::Space}));
  readDirection(v, h);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(buttonAHeld() + buttonBHeld() + startHeld(), 0);
}

TEST_F(InputTest, KeyHeldReadsAnyKeyCode) {
  holdNow(keys({Key::Four}));
  EXPECT_EQ(keyHeld(Key::Four), 1);
  EXPECT_EQ(keyHeld(Key::Space), 0);
}

TEST(ScriptedInputFile, ReadsRunsOfFramesAndRejectsUnknownInputs) {
  ScriptedInput s;
  std::string error;
  ASSERT_TRUE(s.parse("# warm-up\n2\n3 RIGHT A axis1:-300 button:7\n1 key:52\n", error)) << error;
  ASSERT_EQ(s.frames.size(), 6u);
  s.position = 2;
  EXPECT_TRUE(s.keyDown(Key::Right));
  EXPECT_TRUE(s.keyDown(Key::Z));
  s.joystick = true;
  EXPECT_EQ(s.joystickAxis(1), -300);
  EXPECT_EQ(s.joystickButton(7), 1);
  s.position = 5;
  EXPECT_TRUE(s.keyDown(52));
  s.position = 99;
  EXPECT_FALSE(s.keyDown(52));

  ScriptedInput bad;
  EXPECT_FALSE(bad.parse("3 JUMP\n", error));
  EXPECT_NE(error.find("JUMP"), std::string::npos);
  EXPECT_FALSE(bad.parse("x UP\n", error));
}
