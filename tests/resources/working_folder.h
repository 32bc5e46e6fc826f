// Runs a test inside a fresh folder made the working folder and the root of
// the process-wide media lookup, with helpers to lay out data files there; the
// previous working folder and lookup come back after.
#pragma once

#include <string>

#include "platform/filesystem.h"
#include "platform/process_wide.h"
#include "platform/stream.h"
#include "resources/media_lookup.h"
#include "support/temp_dir.h"

namespace vandrell {

class WorkingFolder {
 public:
  WorkingFolder() : _previous(CurrentDir()) { ChangeDir(_dir.path()); }

  // The folder, ready to be a media root.
  std::string root() const { return _dir.path() + "/"; }
  ~WorkingFolder() { ChangeDir(_previous); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  // Writes `bytes` to the relative path, creating its folders.
  static void put(const std::string& path, const std::string& bytes) {
    if (!ExtractDir(path).empty()) CreateDir(ExtractDir(path));
    TStreamPtr file = WriteFile(path);
    file->writeString(bytes);
    file->close();
  }

 private:
  TempDir _dir;
  std::string _previous;
  tCurrentScope<tFile> _media{std::make_shared<tFile>(root())};
};

}  // namespace vandrell
