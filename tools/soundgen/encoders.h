#pragma once
// Writers for the file formats the game reads. Each returns false (and prints why) on failure.
// None of them stores a date, a random serial number or an encoder tag that could change
// between runs: the same samples always give the same bytes.
#include <string>

#include "tools/soundgen/mastering.h"

namespace encoders {

bool writeAiff(const std::string& path, const mastering::Audio& audio);  // 16-bit PCM
bool writeOgg(const std::string& path, const mastering::Audio& audio, uint32_t serial);
bool writeMp3(const std::string& path, const mastering::Audio& audio);

}  // namespace encoders
