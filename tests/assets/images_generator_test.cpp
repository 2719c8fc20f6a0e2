// The picture generator repeats itself: the same source gives the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {
std::vector<char> bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const Files[] = {"chr64x64texs.PNG",    "chr64x128texs.PNG", "chr128x128texs1.PNG",
                             "chr128x128texs2.PNG", "ground.PNG",        "sky.PNG",
                             "bkBacks.PNG",         "frBacks.PNG",       "mavutitle02.JPG",
                             "ranktitle.JPG",       "uratite2.JPG",      "titletexs.PNG",
                             "smallfont.PNG",       "largefont.PNG",     "icon.bmp"};
}  // namespace

TEST(ImageGenerator, GeneratingTwiceGivesIdenticalBytes) {
#ifndef BRAVIN_IMAGEGEN
  GTEST_SKIP() << "generator not built";
#else
  TempFolder folder;
  const std::string first = folder.path() + "/first", second = folder.path() + "/second";
  for (const std::string& dir : {first, second}) {
    std::string command =
        "mkdir -p '" + dir + "' && ASAN_OPTIONS=detect_leaks=0 '" BRAVIN_IMAGEGEN "' '" + dir + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  for (const char* name : Files) {
    std::vector<char> a = bytesOf(first + "/" + name), b = bytesOf(second + "/" + name);
    EXPECT_FALSE(a.empty()) << name;
    EXPECT_TRUE(a == b) << name << " differs between runs";
  }
#endif
}

TEST(ImageGenerator, RefusesAFolderItCannotWrite) {
#ifndef BRAVIN_IMAGEGEN
  GTEST_SKIP() << "generator not built";
#else
  std::string command =
      "ASAN_OPTIONS=detect_leaks=0 '" BRAVIN_IMAGEGEN "' /nonexistent/folder >/dev/null 2>&1";
  EXPECT_NE(std::system(command.c_str()), 0);
#endif
}
