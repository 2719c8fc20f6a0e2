#include "tests/support/temp_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  previous_ = fs::current_path().string();
  char pattern[] = "/tmp/bravin-test-XXXXXX";
  path_ = mkdtemp(pattern);
  fs::current_path(path_);
}

TempFolder::~TempFolder() {
  fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
  fs::path p = fs::path(path_) / name;
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<unsigned char> TempFolder::read(const std::string& name) const {
  std::ifstream in(fs::path(path_) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempFolder::exists(const std::string& name) const {
  return fs::exists(fs::path(path_) / name);
}

StdoutCapture::StdoutCapture() {
  std::fflush(stdout);
  char pattern[] = "/tmp/bravin-stdout-XXXXXX";
  int fd = mkstemp(pattern);
  file_ = pattern;
  saved_ = dup(1);
  dup2(fd, 1);
  close(fd);
}

StdoutCapture::~StdoutCapture() { finish(); }

std::string StdoutCapture::finish() {
  if (done_) return {};
  done_ = true;
  std::fflush(stdout);
  dup2(saved_, 1);
  close(saved_);
  std::ifstream in(file_, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::remove(file_.c_str());
  return text;
}
