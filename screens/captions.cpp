#include "screens/captions.h"

// One row per stage number; the spaces centre the lines and are part of the texts.
const StageCaption StageCaptions[StageCount] = {
    // title line        subtitle line
    {"First Stage  ", "Break A Leg!"},  // 0
    {"  2nd Stage  ", "  Ese-Urawa "},  // 1
    {"  3rd Stage  ", "   AREA 33  "},  // 2
    {"  4th Stage  ", " Broken City"},  // 3
    {" Bonus Ride. ", " Let's STEP!"},  // 4
    {"   BOSS 1   ", "  Pelquaran "},   // 5
    {"   BOSS 2   ", "  Ta-OKU.R  "},   // 6
    {"Intermission ", "Endless Road"},  // 7
};
