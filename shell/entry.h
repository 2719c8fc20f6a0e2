#pragma once
// The process entry: SDL's own start-up glue reaches main() through this header.
#include <SDL.h>

#include "shell/frame_loop.h"
