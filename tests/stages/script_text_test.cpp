// The stage text: what the tool dumps reads back to the same bits, through a stage file
// into the game's table and out again, and a bad text is refused with its line.
#include "tools/stages/script_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

#include "actors/builtin_stages.h"
#include "actors/stage_file.h"
#include "game/game_flow.h"
#include "shell/file_buffer.h"
#include "tests/support/temp_folder.h"

namespace {
bool same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// Field for field, doubles by their bits.
void expectSame(const SpawnEntry& a, const SpawnEntry& b, int32_t s, int32_t i) {
  SCOPED_TRACE("stage " + std::to_string(s) + " entry " + std::to_string(i));
  EXPECT_EQ(a.time, b.time);
  EXPECT_EQ(a.type, b.type);
  EXPECT_EQ(a.sprite, b.sprite);
  EXPECT_EQ(a.start, b.start);
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(same(a.pos[k], b.pos[k])) << "pos " << k;
    EXPECT_TRUE(same(a.vel[k], b.vel[k])) << "vel " << k;
    EXPECT_TRUE(same(a.anchor[k], b.anchor[k])) << "anchor " << k;
  }
  EXPECT_EQ(a.aux, b.aux);
  EXPECT_EQ(a.interval, b.interval);
  EXPECT_EQ(a.lifetime, b.lifetime);
}

std::vector<unsigned char> fileOf(const std::string& text) {
  LoadedScript loaded = parseScriptText(text, "t");
  EXPECT_TRUE(loaded.errors.empty()) << loaded.errors.front();
  static SpawnEntry sequence[StageCount][StageEntryCount];
  EXPECT_TRUE(sequenceFromScript(loaded.script, sequence));
  std::vector<unsigned char> bytes(StageFileBytes);
  encodeStageSequence(sequence, bytes.data());
  return bytes;
}

std::string textOf(const std::vector<unsigned char>& bytes) {
  static SpawnEntry sequence[StageCount][StageEntryCount];
  decodeStageSequence(bytes.data(), sequence);
  return writeScriptText(scriptFromSequence(sequence));
}

std::vector<std::string> errorsOf(const std::string& text) {
  return parseScriptText(text, "mod.txt").errors;
}

constexpr const char* GoodEntry = "10 57 1 0  0 0 1000  0 0 0  0 0 0  0 0 0";
}  // namespace

TEST(StageText, TheBuiltInStagesDumpedAndBuiltLoadIntoTheGameAsTheyAre) {
  TempFolder folder;
  folder.write("resources/stgseq.data", fileOf(writeScriptText(builtInScript())));
  ASSERT_EQ(loadStageFile("resources/stgseq.data", readWholeFile), 1);
  for (int32_t s = 0; s < StageCount; ++s) {
    for (int32_t i = 0; i < StageEntryCount; ++i) {
      SpawnEntry expected = i < BuiltInStages[s].count ? BuiltInStages[s].entries[i] : SpawnEntry{};
      expectSame(StageSequence[s][i], expected, s, i);
    }
  }
  useBuiltInSequence();
}

TEST(StageText, ATextBuiltIntoAFileDumpsBackToTheSameText) {
  std::string text = writeScriptText(builtInScript());
  EXPECT_EQ(textOf(fileOf(text)), text);
}

// Values no built-in stage holds but a stage file may: every bit must come back, and an
// empty entry between used ones must keep the later ones at their index.
TEST(StageText, OddValuesAndGapsSurviveTheText) {
  static SpawnEntry sequence[StageCount][StageEntryCount] = {};
  double nan = std::bit_cast<double>(uint64_t(0x7ff4000000c0ffee));
  double inf = std::numeric_limits<double>::infinity();
  sequence[3][0] = {INT32_MIN,
                    70,
                    0x7fffffff,
                    -1,
                    {-0.0, 0.1, 1e-310},
                    {nan, inf, -inf},
                    {1.0 / 3.0, 5e300, -2.5},
                    0x10000,
                    INT32_MAX,
                    -65536};
  sequence[3][2] = {5, 1, 0x1004e, 0, {}, {}, {}, 0xffff, 0, 0};
  sequence[7][99] = {65000, 1, 0, 1, {}, {}, {}, 0, 0, 0};
  std::vector<unsigned char> bytes(StageFileBytes);
  encodeStageSequence(sequence, bytes.data());
  std::string text = textOf(bytes);
  EXPECT_EQ(fileOf(text), bytes);
  EXPECT_NE(text.find("nan:7ff4000000c0ffee"), std::string::npos);
  EXPECT_NE(text.find(" 0x1004e "), std::string::npos) << "model numbers read as listed";
}

TEST(StageText, CommentsBlankLinesAndWindowsLineEndsAreRead) {
  std::string text = "# a mod\r\n\r\nstage 2 # the harbour\r\n  " + std::string(GoodEntry) +
                     " # music\r\n# stage 3\r\n0x10 1 0x10001 0 1.5 -2 3e3 0 0 0 0 0 0 0 0 0\r\n";
  LoadedScript loaded = parseScriptText(text, "t");
  ASSERT_TRUE(loaded.errors.empty()) << loaded.errors.front();
  const auto& entries = loaded.script.stages[2].entries;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].line, 4);
  EXPECT_EQ(entries[1].line, 6);
  EXPECT_EQ(entries[1].entry.time, 16);
  EXPECT_EQ(entries[1].entry.sprite, 0x10001);
  EXPECT_EQ(entries[1].entry.pos[2], 3000.0);
}

TEST(StageText, ABadTextIsRefusedWithTheLineOfEachMistake) {
  struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {GoodEntry, "mod.txt:1: an entry before any \"stage N\" line"},
      {"stage 8", "mod.txt:1: a stage header is \"stage N\" with N from 0 to 7"},
      {"stage", "mod.txt:1: a stage header"},
      {"stage 1\nstage 0\n\nstage 1", "mod.txt:4: stage 1 begins again (first at line 1)"},
      {"stage 0\n10 57 1 0", "mod.txt:2: an entry has 16 numbers; this line has 4"},
      {"stage 0\n\n10 57 1x 0 0 0 0 0 0 0 0 0 0 0 0 0",
       "mod.txt:3: '1x' in column 3 (sprite) is not a whole number"},
      {"stage 0\n2147483648 57 1 0 0 0 0 0 0 0 0 0 0 0 0 0", "mod.txt:2: '2147483648' in column 1"},
      {"stage 0\n1 57 1 0 0 0 0 0 0 0 0 0 0 1.5 0 0", "mod.txt:2: '1.5' in column 14 (aux)"},
      {"stage 0\n1 57 1 0 0 1..2 0 0 0 0 0 0 0 0 0 0", "mod.txt:2: '1..2' in column 6 (pos y)"},
      {"stage 0\n1 57 1 0 0 0 0 0 0 0 0 0 +4 0 0 0", "mod.txt:2: '+4' in column 13 (anchor z)"},
      {"stage 0\n1 57 1 0 0 0 nan:7ff 0 0 0 0 0 0 0 0 0", "mod.txt:2: 'nan:7ff' in column 7"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> errors = errorsOf(c.text);
    ASSERT_EQ(errors.size(), 1u) << c.text;
    EXPECT_EQ(errors[0].rfind(c.error, 0), 0u) << errors[0];
  }
}

TEST(StageText, AnEntryWithAMistakeIsNotKeptButTheRestIsRead) {
  LoadedScript loaded =
      parseScriptText("stage 8\n" + std::string(GoodEntry) + "\nstage 0\n1 x\n" + GoodEntry, "t");
  EXPECT_EQ(loaded.errors.size(), 2u) << "the entry under the bad header is not reported again";
  EXPECT_EQ(loaded.script.stages[0].entries.size(), 1u);
}
