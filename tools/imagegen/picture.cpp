#include "picture.h"

#include <jpeglib.h>

#include <cstdio>
#include <cstring>

#include "tools/png/png_writer.h"

void Picture::paste(const Picture& src, int x, int y) {
  for (int row = 0; row < src.height; ++row) {
    std::memcpy(at(x, y + row), src.at(0, row), size_t(src.width) * 4);
  }
}

Picture Picture::crop(int x, int y, int w, int h) const {
  Picture out(w, h);
  for (int row = 0; row < h; ++row) std::memcpy(out.at(0, row), at(x, y + row), size_t(w) * 4);
  return out;
}

namespace {
struct File {
  std::FILE* f;
  explicit File(const std::string& path) : f(std::fopen(path.c_str(), "wb")) {}
  ~File() {
    if (f) std::fclose(f);
  }
  bool close() {
    bool ok = f && std::fclose(f) == 0;
    f = nullptr;
    return ok;
  }
};
}  // namespace

bool writePng(const std::string& path, const Picture& picture, bool alpha) {
  const int channels = alpha ? 4 : 3;
  std::vector<uint8_t> row(size_t(picture.width) * channels);
  auto rowAt = [&](int32_t y) {
    for (int x = 0; x < picture.width; ++x) {
      std::memcpy(&row[size_t(x) * channels], picture.at(x, y), channels);
    }
    return row.data();
  };
  return writePngFile(path, {picture.width, picture.height, alpha, 9}, rowAt);
}

bool writeJpeg(const std::string& path, const Picture& picture, int quality) {
  File file(path);
  if (!file.f) return false;
  jpeg_compress_struct jpeg{};
  jpeg_error_mgr errors{};
  jpeg.err = jpeg_std_error(&errors);
  jpeg_create_compress(&jpeg);
  jpeg_stdio_dest(&jpeg, file.f);
  jpeg.image_width = JDIMENSION(picture.width);
  jpeg.image_height = JDIMENSION(picture.height);
  jpeg.input_components = 3;
  jpeg.in_color_space = JCS_RGB;
  jpeg_set_defaults(&jpeg);
  jpeg_set_quality(&jpeg, quality, TRUE);
  jpeg_start_compress(&jpeg, TRUE);
  std::vector<uint8_t> row(size_t(picture.width) * 3);
  while (jpeg.next_scanline < jpeg.image_height) {
    int y = int(jpeg.next_scanline);
    for (int x = 0; x < picture.width; ++x) std::memcpy(&row[size_t(x) * 3], picture.at(x, y), 3);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&jpeg, rows, 1);
  }
  jpeg_finish_compress(&jpeg);
  jpeg_destroy_compress(&jpeg);
  return file.close();
}

namespace {
void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
}  // namespace

// A plain 24-bit Windows bitmap, bottom row first, rows padded to four bytes.
bool writeBmp(const std::string& path, const Picture& picture) {
  const uint32_t stride = (uint32_t(picture.width) * 3 + 3) & ~3u;
  const uint32_t dataSize = stride * uint32_t(picture.height);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + dataSize);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, uint32_t(picture.width));
  put32(out, uint32_t(picture.height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, dataSize);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* p = picture.at(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    out.resize(start + stride, 0);
  }
  File file(path);
  if (!file.f) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), file.f) == out.size();
  return file.close() && ok;
}
