#include "tools/stages/timeline.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "game/actor_type.h"
#include "tools/stages/stage_check.h"
#include "tools/stages/type_names.h"

namespace {
constexpr int32_t MarginAfterLast = 200;
// A stage with no end is drawn this far at most.
constexpr int64_t LongestAxis = 1000000;

bool isEmitter(int32_t type) {
  return type >= ActorType::Emitter && type <= ActorType::LeadingEmitter;
}

// The ages at which a controller acts on its period, from its first age to its lifetime,
// up to the end of the time axis.
void addPeriodic(StageTimes& t, int32_t fired, int32_t firstAge, const SpawnEntry& e,
                 int32_t type) {
  int64_t period = e.interval == 0 ? NeverInterval : std::llabs(int64_t(e.interval));
  int64_t last = std::max<int64_t>(firstAge, e.lifetime);
  int64_t limit = t.nextStageFrame >= 0 ? t.nextStageFrame : LongestAxis;
  int64_t age = firstAge + (period - firstAge % period) % period;  // first multiple
  for (; age <= last; age += period) {
    int64_t frame = fired + (age - firstAge);
    if (frame > limit) break;
    t.spawns.push_back({int32_t(frame), type});
  }
}

void addEntry(StageTimes& t, int32_t fired, const SpawnEntry& e) {
  if (isEmitter(e.type)) {
    addPeriodic(t, fired, 0, e, knownType(e.sprite) && e.sprite != 0 ? e.sprite : e.type);
  } else if (e.type == ActorType::SerpentLayout) {
    addPeriodic(t, fired, e.start, e, e.type);
  } else {
    t.spawns.push_back({fired, e.type});
  }
  if (typeName(e.type).family == TypeFamily::Boss) t.bossFrames.push_back(fired);
}

// The stage end clears at age 0 and starts the next stage at its lifetime; the age starts
// at the start value.
StageEnd endAt(int32_t fired, const SpawnEntry& e) {
  int64_t cleared = int64_t(fired) - std::min(e.start, 0);
  int64_t next = int64_t(fired) + std::max<int64_t>(int64_t(e.lifetime) - e.start, 0);
  return {int32_t(std::min<int64_t>(cleared, LongestAxis)),
          int32_t(std::min<int64_t>(next, LongestAxis))};
}

void setAxis(StageTimes& t) {
  int32_t last = 0;
  for (const Spawn& s : t.spawns) last = std::max(last, s.frame);
  t.lastFrame = t.nextStageFrame >= 0 ? t.nextStageFrame : last + MarginAfterLast;
  auto past = [&](const Spawn& s) { return s.frame > t.lastFrame; };
  t.spawns.erase(std::remove_if(t.spawns.begin(), t.spawns.end(), past), t.spawns.end());
}
}  // namespace

std::vector<int32_t> fireFrames(const ScriptStage& stage) {
  std::vector<int32_t> frames;
  int64_t previous = -1;
  for (size_t i = 0; i < stage.entries.size() && i < size_t(StageEntryCount); ++i) {
    previous = entryFireFrame(stage.entries[i].entry.time, previous);
    frames.push_back(int32_t(std::min<int64_t>(previous, INT32_MAX)));
  }
  return frames;
}

StageEnd stageEnd(const ScriptStage& stage, const std::vector<int32_t>& frames) {
  for (size_t i = 0; i < frames.size(); ++i) {
    if (stage.entries[i].entry.type == ActorType::StageEnd)
      return endAt(frames[i], stage.entries[i].entry);
  }
  return {-1, -1};
}

StageTimes stageTimes(const ScriptStage& stage) {
  std::vector<int32_t> frames = fireFrames(stage);
  StageEnd end = stageEnd(stage, frames);
  StageTimes t{{}, {}, end.clearedFrame, end.nextStageFrame, 0, 0};
  for (size_t i = 0; i < frames.size(); ++i) {
    const SpawnEntry& e = stage.entries[i].entry;
    if (t.nextStageFrame >= 0 && frames[i] > t.nextStageFrame) {
      ++t.unshown;
      continue;
    }
    if (e.type != 0 && e.type != ActorType::StageEnd) addEntry(t, frames[i], e);
  }
  setAxis(t);
  return t;
}

namespace {
constexpr int32_t Width = 1400;
constexpr int32_t LabelLeft = 8;
constexpr int32_t PlotLeft = 250;
constexpr int32_t PlotRight = Width - 24;
constexpr int32_t MarkerTop = 52;
constexpr int32_t RowsTop = 66;
constexpr int32_t RowHeight = 16;
constexpr int32_t AxisGap = 6;
constexpr int32_t FooterHeight = 64;
constexpr int32_t MaxAxisLabels = 24;

constexpr Rgb Background = {22, 24, 30};
constexpr Rgb Band = {30, 33, 41};
constexpr Rgb Grid = {52, 56, 68};
constexpr Rgb Ink = {225, 225, 230};
constexpr Rgb DimInk = {150, 154, 165};
constexpr Rgb FadeShade = {44, 40, 62};
constexpr Rgb EndLine = {250, 250, 250};
constexpr Rgb BossLine = {235, 80, 80};

// clang-format off
constexpr struct { TypeFamily family; Rgb colour; const char* name; } FamilyColours[] = {
  // family                  colour           legend
  {TypeFamily::Ground,      {200, 150, 85},  "ground targets"},
  {TypeFamily::Enemy,       {95, 165, 235},  "enemies"},
  {TypeFamily::Item,        {120, 215, 110}, "items"},
  {TypeFamily::Boss,        {235, 80, 80},   "bosses"},
  {TypeFamily::Controller,  {175, 175, 185}, "controllers"},
  {TypeFamily::Unknown,     {255, 0, 255},   "unknown"},
};
// clang-format on

Rgb familyColour(TypeFamily family) {
  for (const auto& row : FamilyColours) {
    if (row.family == family) return row.colour;
  }
  return FamilyColours[std::size(FamilyColours) - 1].colour;
}

struct Plot {
  Canvas canvas;
  int32_t lastFrame;
  int32_t rowsBottom;
  int32_t x(int32_t frame) const {
    return PlotLeft + int32_t(int64_t(frame) * (PlotRight - PlotLeft) / std::max(lastFrame, 1));
  }
};

// A round step that labels the axis at most MaxAxisLabels times.
int32_t axisStep(int32_t lastFrame) {
  for (int32_t step : {100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000}) {
    if (lastFrame / step <= MaxAxisLabels) return step;
  }
  return std::max(lastFrame / MaxAxisLabels, 1);
}

void drawGrid(Plot& p) {
  int32_t step = axisStep(p.lastFrame);
  for (int64_t f = 0; f <= p.lastFrame; f += step) {
    int32_t x = p.x(int32_t(f));
    fillRect(p.canvas, x, RowsTop, 1, p.rowsBottom - RowsTop + AxisGap, Grid);
    std::string label = std::to_string(f);
    drawText(p.canvas, x - textWidth(label) / 2, p.rowsBottom + AxisGap + 4, label, DimInk);
  }
  fillRect(p.canvas, PlotLeft, p.rowsBottom + AxisGap, PlotRight - PlotLeft + 1, 1, DimInk);
  drawText(p.canvas, PlotLeft, p.rowsBottom + AxisGap + 18,
           "stage clock in frames (17 ms each, about 59 a second)", DimInk);
}

void drawMarkers(Plot& p, const StageTimes& t) {
  int32_t height = p.rowsBottom - RowsTop;
  if (t.clearedFrame >= 0) {
    int32_t from = p.x(t.clearedFrame), to = p.x(t.nextStageFrame);
    fillRect(p.canvas, from, RowsTop, std::max(to - from, 1), height, FadeShade);
    fillRect(p.canvas, from, MarkerTop + 10, 2, height + RowsTop - MarkerTop - 10, EndLine);
    drawText(p.canvas, from - textWidth("end"), MarkerTop, "end", EndLine);
  }
  for (int32_t frame : t.bossFrames) {
    int32_t x = p.x(frame);
    fillRect(p.canvas, x, MarkerTop + 10, 2, height + RowsTop - MarkerTop - 10, BossLine);
    drawText(p.canvas, x + 3, MarkerTop, "boss", BossLine);
  }
}

void drawRow(Plot& p, int32_t row, int32_t type, int32_t count, const StageTimes& t) {
  int32_t y = RowsTop + row * RowHeight;
  TypeName name = typeName(type);
  std::string label = std::to_string(type) + " " + name.name;
  drawText(p.canvas, LabelLeft, y + 4, label, Ink);
  std::string times = "x" + std::to_string(count);
  drawText(p.canvas, PlotLeft - 10 - textWidth(times), y + 4, times, DimInk);
  Rgb colour = familyColour(name.family);
  for (const Spawn& s : t.spawns) {
    if (s.type == type) fillRect(p.canvas, p.x(s.frame), y + 3, 2, RowHeight - 6, colour);
  }
}

void drawHeading(Plot& p, int32_t stageNumber, const ScriptStage& stage, const StageTimes& t) {
  std::string title = "stage " + std::to_string(stageNumber) + ": " +
                      std::to_string(stage.entries.size()) + " entries, " +
                      std::to_string(t.spawns.size()) + " spawns";
  drawText(p.canvas, LabelLeft, 10, title, Ink, 2);
  std::string end = t.clearedFrame < 0 ? std::string("no stage end")
                                       : "cleared at frame " + std::to_string(t.clearedFrame) +
                                             ", next stage at " + std::to_string(t.nextStageFrame);
  if (t.unshown > 0) end += "; entries after that not shown: " + std::to_string(t.unshown);
  drawText(p.canvas, LabelLeft, 32, end, DimInk);
}

void drawLegend(Plot& p) {
  int32_t x = LabelLeft, y = p.canvas.height - 18;
  for (const auto& row : FamilyColours) {
    fillRect(p.canvas, x, y, 10, 7, row.colour);
    drawText(p.canvas, x + 14, y, row.name, DimInk);
    x += 14 + textWidth(row.name) + 18;
  }
}
}  // namespace

Canvas drawTimeline(const ScriptStage& stage, int32_t stageNumber) {
  StageTimes t = stageTimes(stage);
  std::map<int32_t, int32_t> counts;
  for (const Spawn& s : t.spawns) ++counts[s.type];
  int32_t rowsBottom = RowsTop + std::max(int32_t(counts.size()), 1) * RowHeight;
  Plot p{makeCanvas(Width, rowsBottom + AxisGap + FooterHeight, Background), t.lastFrame,
         rowsBottom};
  for (int32_t row = 1; row < int32_t(counts.size()); row += 2)
    fillRect(p.canvas, 0, RowsTop + row * RowHeight, Width, RowHeight, Band);
  drawGrid(p);
  drawMarkers(p, t);
  int32_t row = 0;
  for (const auto& [type, count] : counts) drawRow(p, row++, type, count, t);
  drawHeading(p, stageNumber, stage, t);
  drawLegend(p);
  return p.canvas;
}
