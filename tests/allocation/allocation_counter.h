#pragma once
#include <cstdint>

// Counts the heap allocation calls (malloc and its kin, every operator new) made by the
// code linked into this program: the game library and the tests. The program is linked
// with --wrap for those symbols, so calls made inside shared libraries (Mesa, LLVM, SDL,
// SDL_mixer, the C++ library itself) go straight to the allocator and are not counted.
void startCountingAllocations();
// Stops counting; answers the calls seen since the start.
int64_t stopCountingAllocations();
