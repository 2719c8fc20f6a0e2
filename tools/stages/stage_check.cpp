#include "tools/stages/stage_check.h"

#include <cmath>

#include "actors/actor_info.h"
#include "game/actor_type.h"
#include "render/model_table.h"
#include "render/texture_upload.h"
#include "tools/stages/timeline.h"

namespace {

bool slotHoldsTexture(int32_t slot) {
  for (const TextureSheet& sheet : TextureSheets) {
    if (slot >= sheet.firstSlot && slot < sheet.firstSlot + sheet.tiles) return true;
  }
  return false;
}

void checkVectors(const CheckContext& c, const SpawnEntry& e) {
  static const char* const Names[] = {"pos", "vel", "anchor"};
  const double* vectors[] = {e.pos, e.vel, e.anchor};
  for (int32_t v = 0; v < 3; ++v) {
    for (int32_t i = 0; i < 3; ++i) {
      if (std::isfinite(vectors[v][i])) continue;
      c.error(std::string(Names[v]) + " " + "xyz"[i] + " is not a finite number");
    }
  }
}

// An entry the stage never reaches (the next stage has begun by its time) is only read for
// its type: stages end with such an entry to keep the scheduler waiting.
void checkEntry(const CheckContext& c, const SpawnEntry& e, bool reached) {
  if (!knownType(e.type)) {
    c.error("type " + std::to_string(e.type) + " is unknown (types are 1 to " +
            std::to_string(ActorType::Highest) + ")");
    return;
  }
  if (!reached) return;
  checkVectors(c, e);
  if (e.type == 0) {
    c.warning("type 0 places nothing");
    return;
  }
  if (kindOf(e.type) == ActorKind::Controller) {
    checkController(c, e);
  } else {
    checkLooks(c, e.type, e.sprite, "sprite");
  }
}

void checkOrder(const CheckContext& c, const SpawnEntry& e, const SpawnEntry& before) {
  if (e.time >= before.time) return;
  c.error("time " + std::to_string(e.time) + " comes before the previous entry's " +
          std::to_string(before.time) + ": entries fire in order, so it waits for that one");
}

void checkStage(std::vector<Problem>& problems, int32_t s, const ScriptStage& stage) {
  std::vector<int32_t> frames = fireFrames(stage);
  int32_t next = stageEnd(stage, frames).nextStageFrame;
  bool hasEnd = false;
  for (size_t i = 0; i < stage.entries.size(); ++i) {
    const ScriptEntry& e = stage.entries[i];
    CheckContext c{problems, s, int32_t(i), e.line};
    if (i == size_t(StageEntryCount)) {
      c.error("more than " + std::to_string(StageEntryCount) +
              " entries: a stage holds 100, this one and those after it do not fit");
    }
    if (i > 0) checkOrder(c, e.entry, stage.entries[i - 1].entry);
    bool reached = i < frames.size() && (next < 0 || frames[i] <= next);
    checkEntry(c, e.entry, reached);
    hasEnd = hasEnd || (e.entry.type == ActorType::StageEnd && i < size_t(StageEntryCount));
  }
  if (!hasEnd) {
    CheckContext{problems, s, -1, stage.line}.error(
        "no stage end (type " + std::to_string(ActorType::StageEnd) +
        "): the stage never ends unless a boss ends it");
  }
}
}  // namespace

void CheckContext::error(const std::string& message) const {
  problems.push_back({true, stage, entry, line, message});
}

void CheckContext::warning(const std::string& message) const {
  problems.push_back({false, stage, entry, line, message});
}

int32_t kindOf(int32_t type) { return flagByte(actorInfo(type).flags, FlagByte::Kind); }

bool knownType(int32_t type) { return type >= 0 && type <= ActorType::Highest; }

void checkLooks(const CheckContext& c, int32_t type, int32_t sprite, const char* field) {
  std::string what = std::string(field) + " " + std::to_string(sprite);
  if (kindOf(type) == ActorKind::Model && findModel(sprite) == nullptr) {
    c.error(what + " is no model number: nothing is drawn for this type " + std::to_string(type));
  } else if (kindOf(type) == ActorKind::Sprite && !slotHoldsTexture(sprite)) {
    c.error(what + " is no loaded texture slot: nothing is drawn for this type " +
            std::to_string(type));
  }
}

std::vector<Problem> checkScript(const StageScript& script) {
  std::vector<Problem> problems;
  for (int32_t s = 0; s < StageCount; ++s) checkStage(problems, s, script.stages[s]);
  return problems;
}

std::string problemText(const Problem& p, const std::string& name) {
  std::string text = name;
  if (p.line > 0) text += ":" + std::to_string(p.line);
  text += p.error ? ": error: " : ": warning: ";
  if (p.stage >= 0) text += "stage " + std::to_string(p.stage);
  if (p.entry >= 0) text += " entry " + std::to_string(p.entry);
  if (p.stage >= 0) text += ": ";
  return text + p.message;
}
