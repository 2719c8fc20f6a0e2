#pragma once
#include <cstdint>

// Writes the n lowest decimal digits of value (n 0..9), most significant first, with
// leading zeros and a closing NUL, into dest (n + 1 bytes). Every number on screen goes
// through here; higher digits are lost.
void formatDigits(int32_t value, char* dest, int32_t n);
