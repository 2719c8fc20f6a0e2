#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// The bytes of a whole file, with the path it came from and its length: what the
// preferences and the stage-sequence loader read, and what write-back writes.
struct LoadedFile {
  char path[256] = {};  // empty after a failed read or create: write-back then fails
  int32_t length = 0;   // bytes to write back
  std::vector<uint8_t> data;
};

// Each prints its outcome on standard output ("Open Error.", "Read Succeed.", ...).
// Read file: null when the file cannot be opened.
std::unique_ptr<LoadedFile> readFile(const char* path);
// Create file: a zero-filled buffer of the given length, written to the temporary file
// beside the path (see write-back), so that nothing appears at the path itself until
// write-back puts the whole file there. Null when it cannot be opened.
std::unique_ptr<LoadedFile> createFile(int32_t length, const char* path);
// Write back: replaces the file at the recorded path with the recorded length of bytes.
// The bytes go to a temporary file beside it that is then renamed over the old one, so
// a crash or a full disk part-way through leaves the old file whole. 1 on success.
int32_t writeBack(const LoadedFile& file);
