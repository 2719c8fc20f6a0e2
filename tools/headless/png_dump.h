#pragma once
#include <string>

// Writes the back buffer (640x480) as a PNG file; false when it cannot.
bool dumpScreenPng(const std::string& path);
