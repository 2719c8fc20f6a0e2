#include "tools/png/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace {
// The rows through libpng; false on any error it reports.
bool writeRows(std::FILE* f, const PngFormat& format, const PngRow& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, f);
  if (format.compressionLevel >= 0) png_set_compression_level(png, format.compressionLevel);
  png_set_IHDR(png, info, uint32_t(format.width), uint32_t(format.height), 8,
               format.alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int32_t y = 0; y < format.height; ++y) png_write_row(png, const_cast<uint8_t*>(row(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool writePngFile(const std::string& path, const PngFormat& format, const PngRow& row) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool written = writeRows(f, format, row);
  return std::fclose(f) == 0 && written;
}
