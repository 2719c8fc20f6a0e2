#pragma once
#include <cstdint>

#include "actors/actor_info.h"

// What the tool calls each actor type, and the family a timeline row is coloured by: the
// name and family of the type's row in the game's actor table.
struct TypeName {
  int32_t type;
  const char* name;
  TypeFamily family;
};

// The row of a type; the unknown row for any number without one.
TypeName typeName(int32_t type);
