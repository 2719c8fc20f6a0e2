#pragma once
#include <cstdint>
#include <string>

// Keys by the names SDL gives them ("w", "space", "left shift", ...).

// The code for a key name (any case) or for a key code written as a number; 0 when the
// text names no key. A lone digit is the digit's key, as its name says.
int32_t keyCodeFor(const std::string& text);
// SDL's name for a key code; "unknown key" for a code SDL does not name.
std::string keyNameOf(int32_t code);
