#pragma once
#include <cstdint>

#include "game/actor_record.h"
#include "game/table_reset.h"

// Where the next free-slot search begins; play never rewinds it.
extern int32_t SpawnCursor;
// The stage clock of the previous walk.
extern int32_t PreviousWalkClock;

// The bytes of an actor's flags. The kind picks the update routine; any other kind is
// never updated.
namespace ActorKind {
constexpr int32_t Model = 0;       // drawn as a lit model
constexpr int32_t Sprite = 1;      // drawn as a picture
constexpr int32_t Controller = 2;  // invisible, runs the stage script
}  // namespace ActorKind

// What touching the player and the player's shots does (see actor_contact.cpp).
namespace Reaction {
constexpr int32_t None = 0;
constexpr int32_t Lockable = 1;        // hurts the player; shots hurt it; can be locked on
constexpr int32_t HurtAndDeflect = 2;  // a shot hurts it and bounces off
constexpr int32_t Hurt = 3;            // like Lockable, but never locked on
constexpr int32_t Deflect = 4;         // armour: shots bounce off
constexpr int32_t SoftHit = 5;         // a bullet: a soft hit on the player, shots pass
constexpr int32_t PickUp = 6;          // an extra life or a coin for the player
}  // namespace Reaction

// How contact is tested: none, a ball or an upright column about the actor's position.
namespace Shape {
constexpr int32_t None = 0;         // no contact, no hits, no lock-on
constexpr int32_t Ball = 1;         // radius 128
constexpr int32_t SmallBall = 2;    // radius 64
constexpr int32_t Point = 3;        // never touched, but can be locked on (as are 4 and 5)
constexpr int32_t TallColumn = 6;   // radius 128, half-height 512
constexpr int32_t Column = 7;       // radius 128, half-height 256
constexpr int32_t SmallColumn = 8;  // radius 64, half-height 128
}  // namespace Shape

namespace FlagByte {
constexpr int32_t Shape = 0, Reaction = 8, Kind = 16;  // the bit each byte starts at
}  // namespace FlagByte

constexpr int32_t actorFlags(int32_t kind, int32_t reaction, int32_t shape) {
  return (kind & 0xFF) << FlagByte::Kind | (reaction & 0xFF) << FlagByte::Reaction |
         (shape & 0xFF) << FlagByte::Shape;
}
// One byte of the flags, read as a signed byte: 0xFF reads as -1.
constexpr int32_t flagByte(int32_t flags, int32_t byte) { return int8_t((flags >> byte) & 0xFF); }
inline int32_t actorShape(const Actor& a) { return flagByte(a.flags, FlagByte::Shape); }
inline int32_t actorReaction(const Actor& a) { return flagByte(a.flags, FlagByte::Reaction); }
inline int32_t actorKind(const Actor& a) { return flagByte(a.flags, FlagByte::Kind); }
void setActorReaction(Actor& a, int32_t reaction);

// Places an actor of the type's defaults in the next free slot; answers it, or -1.
int32_t spawnActor(int32_t type, int32_t sprite, int32_t start, const double* pos,
                   const double* vel, const double* anchor);
// spawnActor, then the spawn entry's aux, interval (0 as 65536) and lifetime.
void spawnActorExt(int32_t type, int32_t sprite, int32_t start, int32_t aux, int32_t interval,
                   int32_t lifetime, const double* pos, const double* vel, const double* anchor);
// Contact, shot hits and lock-on (only when the clock moved), then each live actor's
// kind routine, slot by slot, up to the one that asks for the next stage; answers
// ActorCount.
int32_t actorWalk(int32_t clock);
// The player, the player's shots and the lock-on against the actor in slot.
void actorContact(int32_t slot);
// Frees every slot; a Zero reset zeroes them and rewinds the spawn cursor and the walk's
// clock.
void resetActors(TableReset how = TableReset::FreeSlots);
// The live actor in the slot that a's link names; nullptr when the link names no slot (it
// may be left over from the slot's earlier life) or that slot is free.
const Actor* linkedActor(const Actor& a);
