#pragma once
#include <cstddef>
#include <cstdint>

// The file-system calls behind the whole-file buffers, one implementation per platform.
// Saving is the delicate part: the file is often the only copy of the player's ranking
// and coins, so it is replaced whole or not at all, and the replacement respects what the
// player made of it (a link, its permission bits, a read-only flag).

enum class SaveOutcome {
  Saved,
  OpenFailed,  // the file may not be written, or nothing can be opened to write it
  WriteFailed  // the bytes could not be written; the old file stands
};

// Puts the bytes in place of the file at path. A link is followed to the file it names.
// A read-only file is refused. Otherwise the bytes go to a fresh temporary file beside
// it, which takes the old file's permission bits and is flushed to the disk and renamed
// over the old one, so that a kill at any moment leaves the old or the new file whole.
// Where no temporary file can be made, an existing writable file is written in place.
SaveOutcome saveWholeFile(const char* path, const uint8_t* bytes, size_t length);

// Whether a file of this length could be saved at path: the same steps as a save, with
// zeros written to the temporary file, which is then removed. The file itself is left as
// it was.
SaveOutcome trySave(const char* path, size_t length);

// An existing regular file that holds no bytes.
bool isEmptyFile(const char* path);
