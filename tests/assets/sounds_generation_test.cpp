// The generator gives the same bytes every time, for every kind of file it writes.
#include <gtest/gtest.h>

#include <string>

#include "tests/assets/sounds_files.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(SoundGeneration, TwoRunsWriteIdenticalBytes) {
  // One of each format: a short and a long effect, an OGG, an MP3 and a MIDI track.
  const std::vector<std::string> files = {"s1000.aif", "s1025.aif", "EndlessRoad20.ogg",
                                          "bgm03.mp3", "bgm05.mid"};
  TempFolder folder;
  std::string list;
  for (const std::string& f : files) list += " " + f;
  for (const char* run : {"first", "second"}) {
    int status = 0;
    std::string command = "mkdir -p " + folder.path() + "/" + run + " && '" +
                          sounds::generatorPath() + "' " + folder.path() + "/" + run + list +
                          " 2>&1";
    std::string out = sounds::run(command, &status);
    ASSERT_EQ(status, 0) << out;
  }
  for (const std::string& f : files) {
    auto first = sounds::readFile(folder.path() + "/first/" + f);
    auto second = sounds::readFile(folder.path() + "/second/" + f);
    EXPECT_GT(first.size(), 1000u) << f;
    EXPECT_TRUE(first == second) << f << " differs between runs";
  }
}

TEST(SoundGeneration, AnUnwritableFolderIsReportedAsAFailure) {
  int status = 0;
  std::string out = sounds::run(
      "'" + sounds::generatorPath() + "' /nonexistent/folder s1000.aif bgm05.mid 2>&1", &status);
  EXPECT_NE(status, 0) << out;
}

}  // namespace
