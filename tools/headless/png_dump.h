#pragma once
#include <cstdint>
#include <string>

// Writes the back buffer (640x480) as a PNG file; false when it cannot.
bool dumpScreenPng(const std::string& path);
// Writes width x height RGB pixels (3 bytes each, rows packed) as a PNG file, rows taken
// from the bottom up when bottomUp is set (as OpenGL reads them); false when it cannot.
bool writeRgbPng(const std::string& path, const uint8_t* pixels, int32_t width, int32_t height,
                 bool bottomUp);
