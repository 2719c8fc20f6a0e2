#pragma once
#include <cstdint>

// What the tool calls each actor type, and the family a timeline row is coloured by.
enum class TypeFamily : uint8_t {
  Ground,      // model targets riding the ground
  Enemy,       // flying enemies and their shots
  Item,        // pick-ups and their carrier
  Boss,        // bosses, their parts and set pieces
  Controller,  // emitters, music, sound cues, stage end
  Unknown,
};

struct TypeName {
  int32_t type;
  const char* name;
  TypeFamily family;
};

// The row of a type; the unknown row for any number without one.
const TypeName& typeName(int32_t type);
