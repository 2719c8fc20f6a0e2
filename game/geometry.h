#pragma once
#include <cstdint>

// The small numeric routines shared by the player, the shots, the effects and the actors.
// Vectors are three consecutive doubles x, y, z, changed in place where said.

// Sine and cosine of k 256ths of a turn, filled once at start-up.
constexpr int32_t SineTableSize = 256;
extern double SineTable[SineTableSize];
extern double CosineTable[SineTableSize];
void fillSineTables();

// Table sine and cosine of a 256-step angle; any integer, the low 8 bits index.
double sin256(int32_t n);
double cos256(int32_t n);

// Distance and heading (radians in [0, 2 pi), from +x toward +y) from (x1, y1) to (x2, y2)
// into out[0] and out[1]; answers out.
double* polarTo(double* out, double x1, double y1, double x2, double y2);
// diff = to - from and unit = diff / |diff| (zero when the points are equal); answers |diff|.
double directionTo(const double* from, const double* to, double* diff, double* unit);
void vec3Add(double* a, const double* b);
void vec3Sub(double* a, const double* b);
void vec3Scale(double* a, double s);

// The game's signed random number: a 15-bit rand() - 16383, so -16383..16384.
int32_t signedRandom();
// signedRandom() modulo n with the sign of the dividend; 0 when n is 0.
int32_t signedRandomMod(int32_t n);
// A value strictly between -s and s, small magnitudes more likely.
double randomSpread(double s);

// trunc(v) held to the int32 range; NaN gives 0. Every double that becomes an int32
// goes through here, so no value the game grows can make the conversion undefined.
int32_t truncInt32(double v);
// a + b held to the int32 range.
int32_t saturatingAdd(int32_t a, int32_t b);
// a + b wrapping around modulo 2^32, as a counter that may run forever.
int32_t wrappingAdd(int32_t a, int32_t b);
