// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace vandrell {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return _path; }
  // path() + "/" + name
  std::string file(const std::string& name) const { return _path + "/" + name; }

 private:
  std::string _path;
};

}  // namespace vandrell
