#include "tools/stages/type_names.h"

#include "game/actor_type.h"

TypeName typeName(int32_t type) {
  if (type < 0 || type > ActorType::Highest) return {-1, "unknown type", TypeFamily::Unknown};
  const ActorInfo& row = actorInfo(type);
  return {row.type, row.name, row.family};
}
