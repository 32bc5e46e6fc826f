#include "content_tree.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "resources/pak.h"

namespace vandrell {

namespace fs = std::filesystem;

namespace {

// Each archive is read once for the whole test program.
const tPak* archive(const std::string& name) {
  static std::map<std::string, std::unique_ptr<tPak>> archives;
  auto found = archives.find(name);
  if (found == archives.end()) {
    auto pak = std::make_unique<tPak>();
    // The game matches entry names whatever their case; so do these checks.
    tPak::pakCaseSensitive = false;
    if (!pak->load(ContentTest::root() + "/" + name)) pak.reset();
    found = archives.emplace(name, std::move(pak)).first;
  }
  return found->second.get();
}

}  // namespace

void ContentTest::SetUp() {
#ifndef VANDRELL_CONTENT_ROOT
  GTEST_SKIP() << "the build was configured without the demo content";
#endif
}

std::string ContentTest::root() {
#ifdef VANDRELL_CONTENT_ROOT
  return VANDRELL_CONTENT_ROOT;
#else
  return "";
#endif
}

bool ContentTest::packed() {
#ifdef VANDRELL_CONTENT_PACKED
  return true;
#else
  return false;
#endif
}

bool ContentTest::fontsBaked() {
#ifdef VANDRELL_CONTENT_FONTS
  return true;
#else
  return false;
#endif
}

std::vector<ContentLayout> ContentTest::open(const std::string& path) {
  std::vector<ContentLayout> layouts;
  layouts.push_back({"loose", ReadFile(root() + "/" + path)});
  if (packed()) {
    // The strings are the one file of the locale archive; everything else is in "data".
    const std::string name = path == "media/data/strings" ? "en" : "data";
    const tPak* pak = archive(name);
    layouts.push_back({name + " archive", pak ? pak->get(path) : nullptr});
  }
  return layouts;
}

std::vector<std::string> ContentTest::looseFiles(const std::string& folder, const std::string& suffix) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(root() + "/" + folder, error)) {
    const std::string name = fs::relative(entry.path(), root()).generic_string();
    if (entry.is_regular_file() && name.size() >= suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vandrell
