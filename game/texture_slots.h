#pragma once
#include <cstdint>

// The texture slots that code picks by itself (a spawn entry's sprite comes from the stage
// file). docs/assets.md shows what each slot holds.
namespace TextureSlot {
// Enemy bullets.
constexpr int32_t OrangeOrb = 1;
constexpr int32_t GreenFireball = 2;
constexpr int32_t BlueRing = 3;
constexpr int32_t YellowStar = 4;
constexpr int32_t PinkStar = 5;
constexpr int32_t VioletOrb = 6;
constexpr int32_t CyanDiamond = 7;
constexpr int32_t MagentaOrb = 8;
// Puffs and flashes.
constexpr int32_t DustPuff = 16;   // the dash trail
constexpr int32_t SmokePuff = 17;  // trails of enemies and of the burning wreck
constexpr int32_t WarningFlash = 18;
// Explosions: each runs over its slot, + 1 and + 2.
constexpr int32_t Fireball = 60;
constexpr int32_t Blast = 64;
constexpr int32_t DebrisLanding = 68;
constexpr int32_t Shard = 71;
}  // namespace TextureSlot
