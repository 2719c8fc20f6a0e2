#pragma once
#include <string>
#include <vector>

// A fresh empty folder made the working folder for one test; the old one is restored
// and the folder removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
  std::vector<unsigned char> read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
  std::string previous_;
};

// Captures what the code under test prints on standard output.
class StdoutCapture {
 public:
  StdoutCapture();
  ~StdoutCapture();
  std::string finish();

 private:
  int saved_ = -1;
  std::string file_;
  bool done_ = false;
};
