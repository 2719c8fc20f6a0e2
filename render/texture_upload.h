#pragma once
#include <cstdint>

#include "render/texture_sheets.h"

// Texture names by slot; 0 where nothing was loaded (a quad with name 0 is not drawn).
extern uint32_t TextureSlots[TextureSlotCount];
// The texture name of a slot number from anywhere (data included): 0 outside the table.
uint32_t textureForSlot(int32_t slot);

// The texture filter setting for the loaded game textures (0 nearest, else linear); the
// title pictures stay nearest.
void setGameTextureFilter(int32_t filter);

// Where tile i of a picture cols tiles wide sits: tiles run row by row, and the column
// is i AND (cols - 1), so a row holds a power of two tiles.
struct TileOrigin {
  int32_t x, y;  // top-left pixel
};
TileOrigin tileOrigin(int32_t i, int32_t cols, int32_t w, int32_t h);

// Copies tile i out of an RGBA picture (R, G, B, A bytes in memory order, rows pitch bytes
// apart) into dest as w x h pixels of 4 (alpha) or 3 bytes. False, with nothing copied,
// when the tile does not lie wholly inside the picture.
bool cutTile(const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t i,
             int32_t w, int32_t h, bool alpha, uint8_t* dest);

// Makes one texture of w x h pixels (4 bytes each with alpha, else 3), linear filtered
// when filter is non-zero, else nearest, with no mipmaps. Answers its name.
uint32_t makeTexture(const uint8_t* pixels, int32_t w, int32_t h, bool alpha, int32_t filter);

// Loads a picture and makes one texture per tile, names stored at dest[0..n-1].
// Returns the number of textures made (tiles the picture does not hold are left
// unchanged), 0 when n < 1, or -1 when the picture cannot be loaded.
int32_t uploadTextureTiles(const char* path, int32_t w, int32_t h, int32_t n, uint32_t* dest,
                           bool alpha, int32_t filter);
// uploadTextureTiles for the sheet's file under "resources/", its tiles stored at dest.
int32_t uploadSheetTiles(const TextureSheet& sheet, uint32_t* dest, int32_t filter);
