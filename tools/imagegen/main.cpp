// Draws every picture the game loads into the asset folder given on the command line:
// the twelve texture sheets, the two bitmap fonts and the window icon.
//
//   bravin-imagegen OUTDIR [--contact DIR]
//   bravin-imagegen --icons DIR NAME
//
// With --contact it also writes, for review, one labelled contact sheet per texture file
// and an overview of the character sheets into DIR. --icons writes only the menu icon, in
// every size, as an icon theme's DIR/SIZExSIZE/apps/NAME.png.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app_icon.h"
#include "lettering.h"
#include "sheet.h"

namespace {
bool writeSheet(const std::string& dir, const Sheet& sheet) {
  const std::string path = dir + "/" + sheet.layout().file;
  const std::string name = sheet.layout().file;
  if (name.ends_with(".JPG")) return writeJpeg(path, sheet.picture(), 92);
  return writePng(path, sheet.picture(), sheet.layout().alpha);
}

// The character sheets side by side at half size, for the README.
Picture overview(const std::vector<Picture>& contacts) {
  int width = 0, height = 0;
  for (const Picture& c : contacts) {
    width = std::max(width, c.width / 2);
    height += c.height / 2;
  }
  Picture out(width, height);
  int y = 0;
  for (const Picture& c : contacts) {
    for (int row = 0; row < c.height / 2; ++row) {
      for (int x = 0; x < c.width / 2; ++x) {
        uint8_t* o = out.at(x, y + row);
        for (int k = 0; k < 4; ++k) {
          o[k] = uint8_t((c.at(2 * x, 2 * row)[k] + c.at(2 * x + 1, 2 * row)[k] +
                          c.at(2 * x, 2 * row + 1)[k] + c.at(2 * x + 1, 2 * row + 1)[k] + 2) /
                         4);
        }
      }
    }
    y += c.height / 2;
  }
  return out;
}
}  // namespace

int main(int argc, char** argv) {
  const bool icons = argc == 4 && std::strcmp(argv[1], "--icons") == 0;
  if (!icons && argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--contact") == 0)) {
    std::fprintf(stderr, "usage: %s OUTDIR [--contact DIR]\n       %s --icons DIR NAME\n", argv[0],
                 argv[0]);
    return 2;
  }
  if (!gameFace(false) || !gameFace(true)) {
    std::fprintf(stderr, "bravin-imagegen: cannot read the DejaVu fonts (fonts-dejavu-core)\n");
    return 1;
  }
  if (icons) {
    if (writeAppIcons(argv[2], argv[3])) return 0;
    std::fprintf(stderr, "bravin-imagegen: cannot write the icons into %s\n", argv[2]);
    return 1;
  }
  const std::string out = argv[1];
  const std::string contact = argc == 4 ? argv[3] : "";
  Sheet sheets[] = {
      drawSmallCharacters(), drawTallCharacters(), drawPlayerAndEffects(), drawCast(),
      drawGround(),          drawSkies(),          drawFarLayers(),        drawNearLayers(),
      drawTitlePicture(),    drawRankingPicture(), drawAltTitlePicture(),  drawTitlePieces(),
      drawSmallFont(),       drawLargeFont()};
  bool ok = true;
  for (const Sheet& s : sheets) ok = writeSheet(out, s) && ok;
  ok = writeBmp(out + "/icon.bmp", drawIcon()) && ok;
  if (!ok) {
    std::fprintf(stderr, "bravin-imagegen: cannot write into %s\n", out.c_str());
    return 1;
  }
  if (!contact.empty()) {
    mkdir(contact.c_str(), 0755);
    std::vector<Picture> characters;
    for (const Sheet& s : sheets) {
      Picture c = contactSheet(s);
      writePng(contact + "/" + s.layout().file + ".contact.png", c, true);
      if (s.layout().firstSlot < 112 && s.layout().file[0] == 'c') characters.push_back(c);
    }
    writePng(contact + "/overview.png", overview(characters), true);
  }
  return 0;
}
