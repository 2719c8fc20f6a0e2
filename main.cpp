// The program takes no options: everything starts in the frame loop.
#include "shell/entry.h"

int main(int, char**) { return runFrameLoop(); }
