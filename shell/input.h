#pragma once
#include <cstdint>

// SDL key codes the game knows by number.
namespace Key {
constexpr int32_t Escape = 27;
constexpr int32_t Space = 32;
constexpr int32_t Four = 52;
constexpr int32_t X = 120;
constexpr int32_t Z = 122;
constexpr int32_t Up = 273;
constexpr int32_t Down = 274;
constexpr int32_t Right = 275;
constexpr int32_t Left = 276;
constexpr int32_t LeftShift = 304;
}  // namespace Key

// The active key map, in its own order (not the order the preferences file keeps).
enum KeyMapIndex { MapUp, MapDown, MapLeft, MapRight, MapA, MapB, MapSpare, MapStart, KeyMapSize };
extern int32_t ActiveKeyMap[KeyMapSize];

// The preferences file keeps the eight codes in this order.
enum PrefKeyIndex { PrefUp, PrefLeft, PrefRight, PrefDown, PrefA, PrefB, PrefSpare, PrefStart };
extern const int32_t DefaultKeyCodes[KeyMapSize];  // preferences order

extern int32_t JoystickPresent;

int32_t openInput();
void loadKeyMap(const int32_t prefCodes[KeyMapSize]);
void defaultKeyMap(int32_t prefCodes[KeyMapSize]);
void readDirection(int32_t& vertical, int32_t& horizontal);
int32_t buttonAHeld();
int32_t buttonBHeld();
int32_t startHeld();
// True once per press of Escape: waits for the release before answering.
int32_t escapePressed();
int32_t keyHeld(int32_t key);
// Waits (spinning, no frame runs) until START is let go.
void waitStartReleased();
// One turn of a loop that waits on the keys: the real keyboard changes on its own, a
// scripted one moves on to its next frame.
void spinInputWait();
