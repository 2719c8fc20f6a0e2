#pragma once
#include "paint.h"

// The colours the whole game is painted in. Sprites share these so that the player, the
// cast and the effects read as one world; the backdrop palettes are per stage.
namespace palette {
inline const Rgb Suit = rgb(0x2f6fd0);
inline const Rgb Helmet = rgb(0xf0f0ea);
inline const Rgb Scarf = rgb(0xe0402a);
inline const Rgb Pack = rgb(0xb4bcc8);
inline const Rgb Boot = rgb(0x3a3340);
inline const Rgb Glove = rgb(0xf4f0e0);
inline const Rgb FlameCore = rgb(0xfff4b0);
inline const Rgb Flame = rgb(0xff9a20);
inline const Rgb Fire = rgb(0xff6a10);
inline const Rgb Smoke = rgb(0x6a6470);
inline const Rgb Dust = rgb(0xe8dcc4);
inline const Rgb Scorch = rgb(0x2a2018);
inline const Rgb Gold = rgb(0xf2c230);
inline const Rgb Metal = rgb(0x8e98a8);
inline const Rgb DarkMetal = rgb(0x4a5060);
// The enemy families: one hue each, so a player learns them by colour.
inline const Rgb EnemyRed = rgb(0xd8402e);
inline const Rgb EnemyPurple = rgb(0x8a4ad0);
inline const Rgb EnemyGreen = rgb(0x3aa84a);
inline const Rgb EnemyTeal = rgb(0x2aa0a8);
inline const Rgb EnemyOrange = rgb(0xe88a20);
inline const Rgb BossCrimson = rgb(0xa02038);
inline const Rgb Friendly = rgb(0xf6d860);
inline const Rgb EyeRed = rgb(0xff3020);
inline const Rgb EyeGreen = rgb(0x40ff60);
inline const Rgb EyeBlue = rgb(0x40c8ff);
}  // namespace palette
