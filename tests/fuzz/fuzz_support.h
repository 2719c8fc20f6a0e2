#pragma once
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a working folder of its own (removed at exit),
// the game's messages kept off the fuzzer's output, and a file written in one go.

// Makes a fresh folder the working folder, with an empty resources/ in it, and sends
// standard output to /dev/null (the loaders print a line for every file they read).
void enterFuzzFolder();
// Writes the bytes to path (relative to the working folder), replacing what was there.
void writeWholeFile(const char* path, const uint8_t* data, size_t size);

// Every table of play as at program start, cursors included, so that a run does not
// depend on the runs before it and a finding replays alone.
void emptyPlayTables();

// The fuzzer's entry points, also called by the replay program over kept inputs.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
