#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "actors/stage_sequence.h"
#include "tools/stages/stage_script.h"

// One thing wrong with a script. An error is something the game would get wrong (nothing
// drawn, a stage that never ends, a period that divides by zero); a warning is legal but
// probably not what the author meant.
struct Problem {
  bool error;
  int32_t stage;  // -1 for a problem of the whole text
  int32_t entry;  // -1 for a problem of the whole stage
  int32_t line;   // 0 when the script did not come from a text
  std::string message;
};

// Where the checker is, and the list it adds to.
struct CheckContext {
  std::vector<Problem>& problems;
  int32_t stage;
  int32_t entry;
  int32_t line;
  void error(const std::string& message) const;
  void warning(const std::string& message) const;
};

std::vector<Problem> checkScript(const StageScript& script);
// "name:line: error: stage S entry E: message", without the parts that are not known.
std::string problemText(const Problem& p, const std::string& name);

// The per-entry checks the stage checker calls.
int32_t kindOf(int32_t type);
bool knownType(int32_t type);
// The sprite of an actor of the type must be something the game draws: a loaded texture
// slot for kind 1, a model number for kind 0. field names the column in the message.
void checkLooks(const CheckContext& c, int32_t type, int32_t sprite, const char* field);
void checkController(const CheckContext& c, const SpawnEntry& e);
