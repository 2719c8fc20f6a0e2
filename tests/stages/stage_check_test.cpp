// The checker: each kind of mistake a modder can make is found at its stage, entry and line,
// and the built-in stages pass.
#include "tools/stages/stage_check.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tools/stages/script_text.h"

namespace {
// One line of a text: the columns in the order of the stage file.
std::string entry(int32_t time, int32_t type, int32_t sprite, int32_t start = 0,
                  const std::string& vectors = "0 0 0  0 0 0  0 0 0", int32_t aux = 0,
                  int32_t interval = 0, int32_t lifetime = 0) {
  return std::to_string(time) + " " + std::to_string(type) + " " + std::to_string(sprite) + " " +
         std::to_string(start) + "  " + vectors + "  " + std::to_string(aux) + " " +
         std::to_string(interval) + " " + std::to_string(lifetime) + "\n";
}

std::string stageEnd(int32_t time) {
  return entry(time, 55, 1, 0, "0 0 0  0 0 0  0 0 0", 0, 0, 200);
}

std::vector<Problem> problemsOf(const std::string& text) {
  LoadedScript loaded = parseScriptText(text, "t");
  EXPECT_TRUE(loaded.errors.empty()) << loaded.errors.front();
  return checkScript(loaded.script);
}

// Every stage but the one under test, each with its stage end, so they add no problem.
std::string otherStages(int32_t except) {
  std::string text;
  for (int32_t s = 0; s < StageCount; ++s)
    if (s != except) text += "stage " + std::to_string(s) + "\n" + stageEnd(100);
  return text;
}

using Found = std::tuple<int32_t, bool, std::string>;  // line, error, words of the message

bool matches(const Problem& p, const Found& f) {
  const auto& [line, error, words] = f;
  return p.line == line && p.error == error && p.message.find(words) != std::string::npos;
}

// Exactly the expected problems, each on its line; anything else is named.
void expectFound(const std::vector<Problem>& problems, const std::vector<Found>& expected) {
  for (const Found& f : expected) {
    bool hit = false;
    for (const Problem& p : problems) hit = hit || matches(p, f);
    EXPECT_TRUE(hit) << "line " << std::get<0>(f) << ": " << std::get<2>(f);
  }
  for (const Problem& p : problems) {
    bool wanted = false;
    for (const Found& f : expected) wanted = wanted || matches(p, f);
    if (!wanted) ADD_FAILURE() << "unexpected " << problemText(p, "t");
  }
}
}  // namespace

TEST(StageCheck, TheBuiltInStagesHaveNoErrors) {
  for (const Problem& p : checkScript(builtInScript()))
    EXPECT_FALSE(p.error) << problemText(p, "built-in");
}

TEST(StageCheck, PlantedMistakesAreFoundOnTheirLines) {
  std::string text = "# line 1\nstage 4\n" +                                      // 2
                     entry(100, 57, 0) +                                          // 3: track 0
                     entry(90, 54, 31) +                                          // 4: order, sound
                     entry(200, 49, 15, 1, "0 0 0  0 0 0  0 0 0", 80, 0, 48) +    // 5: once only
                     entry(210, 50, 15, 1, "0 0 0  0 0 0  0 -5 0", 80, 16, 48) +  // 6: divisor
                     entry(220, 52, 1, 1, "0 0 0  0 0 32  0 0 0", 0x10001, 16, 48) +  // 7
                     entry(230, 70, 0) +                                              // 8: unknown
                     entry(240, 6, 120) +                                        // 9: no texture
                     entry(250, 3, 5) +                                          // 10: no model
                     entry(260, 49, 3, 1, "0 0 0  0 0 0  0 0 0", 72, 16, 48) +   // 11: no model
                     entry(270, 53, 0, 0, "0 0 0  0 0 0  0 0 0", 0, 0, 100) +    // 12: ceiling
                     entry(280, 56, 6) +                                         // 13: event
                     entry(290, 57, 16) +                                        // 14: track
                     entry(300, 6, 72, 0, "0 nan 0  0 0 0  0 0 0") +             // 15: NaN
                     entry(310, 55, 1, 300, "0 0 0  0 0 0  0 0 0", 0, 0, 200) +  // 16: never ends
                     otherStages(4);
  expectFound(problemsOf(text), {{4, true, "time 90 comes before the previous entry's 100"},
                                 {4, true, "sprite 31 is no sound effect"},
                                 {5, false, "interval 0 emits once only"},
                                 {6, true, "spread divisor trunc(anchor y + 1) is -4"},
                                 {7, true, "divides by zero"},
                                 {8, true, "type 70 is unknown"},
                                 {9, true, "sprite 120 is no loaded texture slot"},
                                 {10, true, "sprite 5 is no model number"},
                                 {11, true, "aux (the emitted sprite) 72 is no model number"},
                                 {12, true, "lifetime 100: the ceiling ends before it comes down"},
                                 {13, true, "sprite 6 is no player event"},
                                 {14, true, "sprite 16 is no music track"},
                                 {15, true, "pos y is not a finite number"},
                                 {16, true, "lifetime 200 below start 300"},
                                 {3, false, "track 0 has no file"}});
}

TEST(StageCheck, AStageWithoutAStageEndIsFoundAtItsHeader) {
  std::string text = otherStages(6) + "\n\nstage 6\n" + entry(600, 58, 2);
  int32_t header = 2 * (StageCount - 1) + 3;
  expectFound(problemsOf(text), {{header, true, "no stage end (type 55)"}});
}

TEST(StageCheck, TheHundredAndFirstEntryIsTheOneThatDoesNotFit) {
  std::string text = "stage 0\n";
  for (int32_t i = 0; i < 100; ++i) text += entry(i, 54, 1);
  text += stageEnd(100) + otherStages(0);
  expectFound(problemsOf(text),
              {{102, true, "more than 100 entries"}, {1, true, "no stage end (type 55)"}});
}

// The last entry of a built-in stage waits past the stage end and is never placed; what it
// holds does not matter, its type and order still do.
TEST(StageCheck, EntriesAfterTheNextStageBeginsAreOnlyCheckedForTypeAndOrder) {
  std::string text = "stage 0\n" + stageEnd(100) + entry(301, 3, 0) + entry(302, 80, 0) +
                     entry(300, 3, 0) + otherStages(0);
  expectFound(problemsOf(text), {{4, true, "type 80 is unknown"}, {5, true, "comes before"}});
}
