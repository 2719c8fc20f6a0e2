// The trace: one JSON line per frame, exact numbers, only live records.
#include "tools/headless/trace.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <string>

#include "actors/actor_table.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "tools/headless/audio_tap.h"

namespace {
class Trace : public ::testing::Test {
 protected:
  int32_t audioSeen = 0;
  void SetUp() override {
    Game = GameState{};
    ThePlayer = Player{};
    resetPlayTables(TableReset::Zero);
    audioSeen = audioLogTotal();
  }
  std::string line(int32_t frame = 0, GameMode r = Mode::Play) {
    std::FILE* f = std::tmpfile();
    writeTraceLine(f, frame, r, audioSeen);
    std::string text(size_t(std::ftell(f)), '\0');
    std::rewind(f);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), f), text.size());
    std::fclose(f);
    return text;
  }
  // The text after "key": in the line, from position from on.
  static std::string value(const std::string& text, const std::string& key, size_t from = 0) {
    size_t at = text.find("\"" + key + "\":", from);
    return at == std::string::npos ? "missing" : text.substr(at + key.size() + 3);
  }
  static double number(const std::string& text, const std::string& key, size_t from = 0) {
    return std::strtod(value(text, key, from).c_str(), nullptr);
  }
};
}  // namespace

TEST_F(Trace, ALineIsOneObjectEndedByANewline) {
  std::string t = line(41, Mode::Pause | SkippedFrameBit);
  EXPECT_EQ(t.rfind("{\"f\":41,\"m\":4,\"sk\":1,", 0), 0u) << t;
  EXPECT_EQ(t.substr(t.size() - 2), "}\n");
  EXPECT_EQ(t.find('\n'), t.size() - 1);
}

TEST_F(Trace, DoublesReadBackBitForBit) {
  Game.difficulty = 0.1 + 0.2;
  ThePlayer.pos[0] = 1.0 / 3.0;
  ThePlayer.pos[1] = -2.5e-300;
  ThePlayer.pos[2] = 1e300;
  Game.fadeLevel = 5e-324;  // the smallest denormal
  std::string t = line();
  EXPECT_EQ(std::bit_cast<uint64_t>(number(t, "dif")), std::bit_cast<uint64_t>(0.1 + 0.2));
  size_t player = t.find("\"p\":");
  EXPECT_EQ(number(t, "x", player), 1.0 / 3.0);
  EXPECT_EQ(number(t, "y", player), -2.5e-300);
  EXPECT_EQ(number(t, "z", player), 1e300);
  EXPECT_EQ(number(t, "fade"), 5e-324);
}

TEST_F(Trace, NotANumberAndInfinityAreWrittenAsNull) {
  Game.sideScroll = std::nan("");
  Game.depthScroll = -INFINITY;
  Game.tunnelCeiling = INFINITY;
  std::string t = line();
  EXPECT_EQ(value(t, "ss").rfind("null,", 0), 0u) << t;
  EXPECT_EQ(value(t, "ds").rfind("null,", 0), 0u) << t;
  EXPECT_EQ(value(t, "ceil").rfind("null,", 0), 0u) << t;
}

TEST_F(Trace, OnlyLiveRecordsAreListedWithTheirSlots) {
  ShotTable[3] = {ShotState::Homing, 12, 63, {1, 2, 3}, {0, 0, 100}};
  EffectTable[31] = {EffectType::Puff, 16, 4, {5, 6, 7}, {}, {32, 32, 1}};
  ActorTable[0].type = 6;
  ActorTable[63] = {};
  ActorTable[63].type = 47;
  ActorTable[63].flags = 0x10601;
  ActorTable[63].hp = -3;
  ActorTable[63].lockTimer = -120;
  std::string t = line();
  EXPECT_NE(t.find("\"sh\":[{\"i\":3,\"s\":2,\"a\":12,\"t\":63,\"x\":1,\"y\":2,\"z\":3}]"),
            std::string::npos)
      << t;
  EXPECT_NE(t.find("\"ef\":[{\"i\":31,\"t\":2,\"tx\":16,\"a\":4,\"x\":5,\"y\":6,\"z\":7}]"),
            std::string::npos)
      << t;
  size_t actors = t.find("\"ac\":[{\"i\":0,\"t\":6,");
  ASSERT_NE(actors, std::string::npos) << t;
  EXPECT_NE(t.find("},{\"i\":63,\"t\":47,\"sp\":0,\"a\":0,\"pa\":0,\"hp\":-3,\"lt\":-120,"
                   "\"fl\":67073,",
                   actors),
            std::string::npos)
      << t;
  EXPECT_EQ(t.find("{\"i\":1,", actors), std::string::npos) << t;
}

TEST_F(Trace, TheStageScriptsPlaceFollowsTheActors) {
  Sequence = {StageEntryCount, INT32_MAX};
  EXPECT_NE(line().find("\"ac\":[],\"sq\":{\"n\":100,\"t\":2147483647},"), std::string::npos);
  Sequence = {11, -800};
  EXPECT_NE(line().find("\"sq\":{\"n\":11,\"t\":-800}"), std::string::npos);
}

TEST_F(Trace, AnEmptyFrameHasEmptyLists) {
  std::string t = line();
  EXPECT_NE(t.find("\"sh\":[],\"ef\":[],\"ac\":[]"), std::string::npos) << t;
}
