// pak: builds, lists and unpacks the game's pak archives.
//
//   pak create ARCHIVE FILE_OR_FOLDER...
//   pak list ARCHIVE
//   pak extract ARCHIVE [NAME...] [-C DIR]
//
// create stores each file under its name exactly as given; a folder adds
// every file below it under the folder's name joined with the file's relative
// path ("." adds them under the relative path alone, which is how a data
// folder is packed: run in that folder with "."). list prints each entry's
// size and name. extract writes the named entries (all when none is named)
// below DIR (the working folder by default) and refuses any name that would
// land outside it. From CMake, use vandrell_pack() of cmake/pack.cmake.
//
// Exit status: 0 on success (and for --help), 2 on wrong arguments, 1 when an
// archive cannot be read or written or an entry could not be stored or
// extracted.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/log.h"
#include "resources/pak.h"

using namespace vandrell;

namespace fs = std::filesystem;

namespace {

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

constexpr const char* USAGE =
    "usage: pak create ARCHIVE FILE_OR_FOLDER...\n"
    "       pak list ARCHIVE\n"
    "       pak extract ARCHIVE [NAME...] [-C DIR]\n"
    "       pak --help\n";

void report(const std::string& text) { std::fprintf(stderr, "pak: %s\n", text.c_str()); }

int usage() {
  std::fputs(USAGE, stderr);
  return EXIT_USAGE;
}

bool samePath(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// The files below a folder, sorted so that an archive's layout does not
// depend on the order the file system lists them in. The archive being
// written is left out in case it lies inside the folder.
std::vector<std::string> folderEntries(const std::string& folder, const std::string& archive) {
  std::string prefix = folder;
  while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
  prefix = prefix == "." ? "" : prefix + "/";
  std::vector<std::string> names;
  for (const auto& item : fs::recursive_directory_iterator(folder)) {
    if (!item.is_regular_file() || samePath(item.path(), archive)) continue;
    names.push_back(prefix + fs::relative(item.path(), folder).generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

int create(const std::string& archive, const std::vector<std::string>& arguments) {
  std::vector<std::string> names;
  for (const std::string& argument : arguments) {
    if (FileType(argument) == FILETYPE_DIR) {
      const std::vector<std::string> below = folderEntries(argument, archive);
      names.insert(names.end(), below.begin(), below.end());
    } else {
      names.push_back(argument);
    }
  }
  const std::vector<std::string> failed = tPak::make(archive, names);
  for (const std::string& name : failed) report("can't store " + name);
  return failed.empty() ? 0 : EXIT_FAILED;
}

bool open(tPak& pak, const std::string& archive) {
  if (pak.load(archive)) return true;
  report("can't read " + archive);
  return false;
}

int list(const std::string& archive) {
  tPak pak;
  if (!open(pak, archive)) return EXIT_FAILED;
  for (const auto& [name, file] : pak.files()) std::printf("%10d  %s\n", file->_size, name.c_str());
  return 0;
}

// Whether the entry name stays below the folder it is extracted to, on any
// system the archive may be unpacked on: no absolute path, no drive, no
// backslash separator, no "..".
bool staysInside(const std::string& name) {
  if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos ||
      name.find(':') != std::string::npos) {
    return false;
  }
  for (const auto& part : fs::path(name)) {
    if (part == "..") return false;
  }
  return true;
}

// Whether the path, once links already on disk are followed, lies below
// the root (itself a real path), so that a link inside the folder cannot lead
// an entry elsewhere.
bool landsBelow(const fs::path& root, const fs::path& target) {
  std::error_code ec;
  const fs::path real = fs::weakly_canonical(target, ec);
  return !ec && std::mismatch(root.begin(), root.end(), real.begin(), real.end()).first == root.end();
}

bool extractOne(const tPak& pak, const std::string& name, const fs::path& root) {
  const fs::path target = root / name;
  if (!staysInside(name) || !landsBelow(root, target)) {
    report("refusing " + name + ": it would land outside " + root.generic_string());
    return false;
  }
  tPakStreamPtr entry = pak.get(name);
  if (!entry) {
    report("no entry " + name);
    return false;
  }
  CreateDir(target.parent_path().generic_string());
  TStreamPtr out = WriteFile(target.generic_string());
  try {
    if (!out) throw TStreamError("can't create");
    const std::vector<uint8_t> bytes = entry->readAll();
    out->writeBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
    out->close();
  } catch (const TStreamError&) {
    report("can't write " + target.generic_string());
    return false;
  }
  return true;
}

int extract(const std::string& archive, std::vector<std::string> names, const std::string& folder) {
  tPak pak;
  if (!open(pak, archive)) return EXIT_FAILED;
  if (names.empty()) {
    for (const auto& entry : pak.files()) names.push_back(entry.first);
  }
  if (!CreateDir(folder)) {
    report("can't create " + folder);
    return EXIT_FAILED;
  }
  std::error_code ec;
  const fs::path root = fs::canonical(folder, ec);
  bool allDone = true;
  for (const std::string& name : names) allDone = extractOne(pak, name, root) && allDone;
  return allDone ? 0 : EXIT_FAILED;
}

int run(std::vector<std::string> args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(USAGE, stdout);
    std::fputs("\nBuilds, lists and unpacks the game's pak archives. create stores each file under its name as\n"
               "given; a folder adds every file below it (\".\" adds them under their relative paths).\n",
               stdout);
    return 0;
  }
  if (args.size() < 2) return usage();
  const std::string command = args[0];
  const std::string archive = args[1];
  std::vector<std::string> rest(args.begin() + 2, args.end());

  if (command == "create" && !rest.empty()) return create(archive, rest);
  if (command == "list" && rest.empty()) return list(archive);
  if (command == "extract") {
    std::string folder = ".";
    const auto option = std::find(rest.begin(), rest.end(), "-C");
    if (option != rest.end()) {
      if (option + 1 == rest.end()) return usage();
      folder = *(option + 1);
      rest.erase(option, option + 2);
    }
    return extract(archive, rest, folder);
  }
  return usage();
}

}  // namespace

int main(int argc, char** argv) {
  // Damage found in an archive is worth seeing here.
  SetDebugLogTarget("-");
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const fs::filesystem_error& error) {
    report(error.what());
    return EXIT_FAILED;
  }
}
