// Access to the built content, beside the program: each file both as a loose file
// (what -pak 0 reads) and as an entry of the "data" or "en" archive (what the game
// reads by default), so every check covers both layouts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace vandrell {

struct ContentLayout {
  std::string name;   // "loose", "data archive", "en archive"
  TStreamPtr stream;  // null when the file is missing there
};

class ContentTest : public ::testing::Test {
 public:
  // The program's folder, where the content lies.
  static std::string root();
  // The file `path` (relative to the program's folder, e.g. "media/data/panel.png"),
  // loose and, when the build packs archives, from the archive that should hold it.
  static std::vector<ContentLayout> open(const std::string& path);
  // The names of the loose files below `folder` whose names end in `suffix`.
  static std::vector<std::string> looseFiles(const std::string& folder, const std::string& suffix);
  static bool packed();
  static bool fontsBaked();

 protected:
  // Skips the test when the build was configured without content.
  void SetUp() override;
};

}  // namespace vandrell
