#pragma once
#include <string>
#include <vector>

#include "paint.h"
#include "picture.h"
#include "render/texture_sheets.h"

// Where a picture file's tiles go: they run row by row, left to right, cols to a row (a
// power of two), and tile i fills texture slot firstSlot + i.
struct SheetLayout {
  const char* file;
  int tileW, tileH, tiles, cols, firstSlot;
  bool alpha;
};

// The twelve texture files and the two fonts (first slot: the first character code), as
// the game loads them (render/texture_sheets.h).
extern const SheetLayout SmallCharacters, TallCharacters, PlayerAndEffects, Cast, Ground, Skies,
    FarLayers, NearLayers, TitlePicture, RankingPicture, AltTitlePicture, TitlePieces, SmallFont,
    LargeFont;

class Sheet {
 public:
  explicit Sheet(const SheetLayout& layout);
  // Draws the tile for one slot on a canvas of the tile's size.
  void tile(int slot, const DrawFn& fn);
  // Draws one band across count tiles starting at firstSlot that wraps around: whatever
  // leaves the right end comes back at the left, so the tiles join in a ring.
  void band(int firstSlot, int count, const DrawFn& fn);
  const Picture& picture() const { return picture_; }
  const SheetLayout& layout() const { return layout_; }

 private:
  void put(int slot, const Picture& tile);
  SheetLayout layout_;
  Picture picture_;
};

// The sheets, one function per family (each in its own file).
Sheet drawSmallCharacters();
Sheet drawTallCharacters();
Sheet drawPlayerAndEffects();
Sheet drawCast();
Sheet drawGround();
Sheet drawSkies();
Sheet drawFarLayers();
Sheet drawNearLayers();
Sheet drawTitlePicture();
Sheet drawRankingPicture();
Sheet drawAltTitlePicture();
Sheet drawTitlePieces();
Sheet drawSmallFont();
Sheet drawLargeFont();
Picture drawIcon();

// The player's pilot in one of its poses, centred on the 128 x 128 canvas.
enum class PilotPose {
  WalkA,
  WalkB,
  LeftA,
  LeftB,
  CentreA,
  CentreB,
  RightA,
  RightB,
  Dash,
  Falling,
  Crashed,
  Waiting
};
void drawPilot(cairo_t* cr, PilotPose pose);

// A review picture of a sheet: every tile on a checkerboard, labelled with its slot.
Picture contactSheet(const Sheet& sheet);
