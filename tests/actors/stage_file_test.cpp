// The stage file: big-endian records read whole or not at all, and a hostile file played.
#include "actors/stage_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "actors/actor_table.h"
#include "game/actor_type.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "shell/file_buffer.h"
#include "shell/input_source.h"
#include "shell/scripted_input.h"
#include "tests/support/play_fixture.h"
#include "tests/support/queued_draws.h"
#include "tests/support/temp_folder.h"

namespace {
using Bytes = std::vector<unsigned char>;

// The file's bytes, written here by hand rather than by the game's code.
void put32(Bytes& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(uint32_t(v) >> (24 - 8 * i));
}
void putDouble(Bytes& b, size_t at, double v) {
  uint64_t bits = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[at + i] = uint8_t(bits >> (56 - 8 * i));
}
void putEntry(Bytes& b, int32_t record, const SpawnEntry& e) {
  size_t at = size_t(record) * StageRecordBytes;
  const int32_t head[4] = {e.time, e.type, e.sprite, e.start};
  const int32_t tail[3] = {e.aux, e.interval, e.lifetime};
  const double* vectors[3] = {e.pos, e.vel, e.anchor};
  for (int i = 0; i < 4; ++i) put32(b, at + 4 * i, head[i]);
  for (int v = 0; v < 3; ++v)
    for (int i = 0; i < 3; ++i) putDouble(b, at + 16 + 24 * v + 8 * i, vectors[v][i]);
  for (int i = 0; i < 3; ++i) put32(b, at + 88 + 4 * i, tail[i]);
}

bool same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }
bool same(const SpawnEntry& a, const SpawnEntry& b) {
  bool ok = a.time == b.time && a.type == b.type && a.sprite == b.sprite && a.start == b.start &&
            a.aux == b.aux && a.interval == b.interval && a.lifetime == b.lifetime;
  for (int i = 0; i < 3; ++i)
    ok = ok && same(a.pos[i], b.pos[i]) && same(a.vel[i], b.vel[i]) &&
         same(a.anchor[i], b.anchor[i]);
  return ok;
}

// An entry of the given time and type whose other int32 fields are word(0) to word(4) and
// whose doubles are real(0) to real(8), in the order of the record.
template <class Word, class Real>
SpawnEntry entryFrom(int32_t time, int32_t type, Word word, Real real) {
  SpawnEntry e = {time, type, word(0), word(1), {}, {}, {}, word(2), word(3), word(4)};
  for (int i = 0; i < 3; ++i) {
    e.pos[i] = real(i);
    e.vel[i] = real(3 + i);
    e.anchor[i] = real(6 + i);
  }
  return e;
}

// Every field of every record its own value, each of whose bytes tells its place: int32
// fields (k + 1) << 24 | record << 8 | 0x77, doubles record + k / 16 + 1 / 3.
SpawnEntry numbered(int32_t r) {
  auto word = [r](int32_t k) { return int32_t(uint32_t(k + 1) << 24 | uint32_t(r) << 8 | 0x77); };
  auto real = [r](int32_t k) { return r + k / 16.0 + 1.0 / 3.0; };
  return entryFrom(
      word(0), word(1), [&](int32_t k) { return word(k + 2); }, real);
}

Bytes numberedFile(size_t length = StageFileBytes) {
  Bytes b(StageFileBytes);
  for (int32_t r = 0; r < StageCount * StageEntryCount; ++r) putEntry(b, r, numbered(r));
  b.resize(length, 0x42);
  return b;
}

const SpawnEntry& record(int32_t r) {
  return StageSequence[r / StageEntryCount][r % StageEntryCount];
}

class StageFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  SpawnEntry builtIn[StageCount][StageEntryCount];
  void SetUp() override {
    useBuiltInSequence();
    std::copy(&StageSequence[0][0], &StageSequence[0][0] + StageCount * StageEntryCount,
              &builtIn[0][0]);
  }
  void TearDown() override { useBuiltInSequence(); }
  bool builtInKept() const {
    for (int32_t r = 0; r < StageCount * StageEntryCount; ++r)
      if (!same(record(r), builtIn[r / StageEntryCount][r % StageEntryCount])) return false;
    return true;
  }
  // Loads the file at path, answering what it printed.
  static std::string load(const char* path, int32_t expected) {
    StdoutCapture out;
    EXPECT_EQ(loadStageFile(path, readWholeFile), expected) << path;
    return out.finish();
  }
};
}  // namespace

TEST_F(StageFileTest, EveryFieldOfEveryRecordIsReadBigEndianFromItsPlace) {
  folder.write("stgseq.data", numberedFile());
  EXPECT_EQ(load("stgseq.data", 1), "Read Succeed.\r\n");
  for (int32_t r = 0; r < StageCount * StageEntryCount; ++r)
    ASSERT_TRUE(same(record(r), numbered(r))) << "record " << r;
  // One field spelled out, to pin the byte order itself: 0x01 0x00 0x00 0x77 is the time
  // of record 0, and the double 1/3 is 3F D5 55 55 55 55 55 55.
  EXPECT_EQ(record(0).time, 0x01000077);
  EXPECT_EQ(std::bit_cast<uint64_t>(record(0).pos[0]), 0x3FD5555555555555u);
}

TEST_F(StageFileTest, TheWriterPutsEveryFieldWhereTheReaderTakesIt) {
  static SpawnEntry sequence[StageCount][StageEntryCount];
  for (int32_t r = 0; r < StageCount * StageEntryCount; ++r)
    sequence[r / StageEntryCount][r % StageEntryCount] = numbered(r);
  Bytes written(StageFileBytes);
  encodeStageSequence(sequence, written.data());
  EXPECT_EQ(written, numberedFile());
}

TEST_F(StageFileTest, TheGameLoadsItsStageFileFromTheResourcesFolder) {
  Bytes b = numberedFile();
  putEntry(b, 0, SpawnEntry{10, 49, 15, 1, {}, {}, {}, 80, 0, 48});
  folder.write("resources/stgseq.data", b);
  StdoutCapture out;
  EXPECT_EQ(loadStageSequence(readWholeFile), 1);
  EXPECT_EQ(out.finish(), "Read Succeed.\r\n");
  // And its entries reach the actors they place: an interval of 0 as 65536.
  for (Actor& a : ActorTable) a = Actor{};
  Game.stage = 0;
  resetSequence(0);
  sequenceStep(10);
  const Actor& a = ActorTable[(SpawnCursor + ActorCount - 1) % ActorCount];
  EXPECT_EQ(a.type, 49);
  EXPECT_EQ(a.aux, 80);
  EXPECT_EQ(a.interval, 65536);
  EXPECT_EQ(a.lifetime, 48);
}

TEST_F(StageFileTest, AFileNotExactlyTheWholeSequenceIsRefusedWhole) {
  for (size_t length : {size_t(StageFileBytes) - 1, size_t(StageFileBytes) + 1,
                        size_t(StageRecordBytes), size_t(0)}) {
    folder.write("stgseq.data", numberedFile(length));
    std::string said = load("stgseq.data", 0);
    // An empty file cannot be read whole: the reader says so and holds nothing.
    std::string read = length ? "Read Succeed.\r\n" : "Read Error.\r\n";
    EXPECT_EQ(said, read + "Stage file not used: " + std::to_string(length) +
                        " bytes read, 80000 expected.\r\n");
    EXPECT_TRUE(builtInKept()) << length << " bytes";
  }
}

TEST_F(StageFileTest, AFileThatCannotBeReadOrOpenedLeavesTheScriptsAsTheyAre) {
  std::filesystem::create_directory("stgseq.data");  // opens, but reads nothing
  EXPECT_EQ(load("stgseq.data", 0),
            "Read Error.\r\nStage file not used: 0 bytes read, 80000 expected.\r\n");
  EXPECT_EQ(load("missing.data", 0), "Open Error.\r\n");
  EXPECT_TRUE(builtInKept());
}

namespace {
// Every field takes the extreme values in turn, shifted from field to field and from stage
// to stage. Types run through 0..58 and beyond, so every
// behaviour gets its share; the times fire all but the last entry within a few thousand
// frames.
Bytes hostileFile() {
  const int32_t words[] = {INT_MIN, INT_MAX, -1, 0};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double reals[] = {nan, inf, -inf, 1e308, -1e308, 0.0};
  const int32_t oddTypes[] = {INT_MIN, INT_MAX, -1, ActorType::Highest + 1};
  Bytes b(StageFileBytes);
  for (int32_t s = 0; s < StageCount; ++s) {
    for (int32_t i = 0; i < StageEntryCount; ++i) {
      auto word = [&](int32_t f) { return words[(i + f + 1 + s) % 4]; };
      auto real = [&](int32_t f) { return reals[(i + f + s) % 6]; };
      int32_t time = i == 0 ? INT_MIN : i == 1 ? -1 : i == 99 ? INT_MAX : (i - 2) * 90;
      int32_t t = (i + 13 * s) % 63;
      SpawnEntry e = entryFrom(time, t <= 58 ? t : oddTypes[t - 59], word, real);
      putEntry(b, s * StageEntryCount + i, e);
    }
  }
  return b;
}

class HostileStageFile : public PlayTablesTest {
 protected:
  TempFolder folder;
  ScriptedInput nothingHeld;
  void SetUp() override {
    PlayTablesTest::SetUp();
    setInputSource(&nothingHeld);
  }
  void TearDown() override {
    setInputSource(nullptr);
    useBuiltInSequence();
    PlayTablesTest::TearDown();
  }
};
}  // namespace

// Run in the sanitizer build, this is the test that no value of the file reaches an
// undefined operation or an out-of-bounds read. The player is kept from harm (its event
// is cleared before each step) so that the clock never stands.
TEST_F(HostileStageFile, EveryStagePlaysTenThousandFramesOfExtremeValues) {
  folder.write("stgseq.data", hostileFile());
  StdoutCapture out;
  ASSERT_EQ(loadStageFile("stgseq.data", readWholeFile), 1);
  out.finish();
  for (int32_t stage = 0; stage < StageCount; ++stage) {
    startNewGame(stage);
    int32_t fired = 0;
    for (int32_t frame = 0; frame < 10000; ++frame) {
      ThePlayer.event = 0;
      int32_t before = Sequence.nextIndex;
      playStep();
      fired += Sequence.nextIndex != before;
      takeQueuedDraws();
    }
    EXPECT_GE(fired, StageEntryCount - 1) << "stage " << stage;
  }
}
