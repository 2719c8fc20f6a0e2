#pragma once
#include <cstddef>
#include <cstdint>

// The byte coding of a replay's frames (docs/replay.md). An item is one byte, its kind in
// the high four bits and its value in the low four; a value of 15 or more is written as
// 15 followed by the value as an unsigned varint (7 bits a byte, low first). Signed values
// (clock steps, dates) are zigzagged first: 0, -1, 1, -2 ... become 0, 1, 2, 3 ...
namespace ReplayItem {
constexpr uint8_t End = 0;  // closes a frame; value: how many frames in a row hold its items
// 1 to 9 are the kinds of Answer.
constexpr uint8_t Repeat = 10;  // the item before it is given again value more times
constexpr uint8_t LastKind = Repeat;
constexpr uint32_t InlineLimit = 15;  // values below it live in the item byte
// The longest item: a date, its byte and three varints of 32-bit values.
constexpr size_t LongestBytes = 1 + 3 * 5;
}  // namespace ReplayItem

inline uint32_t zigzag(int32_t v) { return (uint32_t(v) << 1) ^ uint32_t(v >> 31); }
inline int32_t unzigzag(uint32_t v) { return int32_t(v >> 1) ^ -int32_t(v & 1); }

// Writes v as a varint at out (room for 5 bytes); answers the bytes written.
inline size_t putVarint(uint8_t* out, uint32_t v) {
  size_t n = 0;
  while (v >= 0x80) {
    out[n++] = uint8_t(v | 0x80);
    v >>= 7;
  }
  out[n++] = uint8_t(v);
  return n;
}

// Writes one item (kind and value) at out (room for 6 bytes); answers the bytes written.
inline size_t putItem(uint8_t* out, uint8_t kind, uint32_t value) {
  if (value < ReplayItem::InlineLimit) {
    out[0] = uint8_t(kind << 4 | value);
    return 1;
  }
  out[0] = uint8_t(kind << 4 | ReplayItem::InlineLimit);
  return 1 + putVarint(out + 1, value);
}

// Reads bytes from a bounded range; every read past its end or of a malformed number
// fails and leaves the reader failed.
struct ByteReader {
  const uint8_t* at;
  const uint8_t* end;
  bool failed = false;

  bool varint(uint32_t& v) {
    v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      if (at >= end) break;
      uint8_t b = *at++;
      if (shift == 28 && b > 0x0F) break;  // more than 32 bits
      v |= uint32_t(b & 0x7F) << shift;
      if (!(b & 0x80)) return true;
    }
    failed = true;
    return false;
  }
  // One item: its kind and its value.
  bool item(uint8_t& kind, uint32_t& value) {
    if (at >= end) return false;
    kind = *at >> 4;
    value = *at++ & 0x0F;
    if (value < ReplayItem::InlineLimit) return true;
    return varint(value);
  }
};
