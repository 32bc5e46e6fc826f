#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace vandrell {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vandrell-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  _path = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(_path, ec);
}

}  // namespace vandrell
