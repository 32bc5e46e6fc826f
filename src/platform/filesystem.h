// Files and folders, and helpers on "/"-separated paths.
#pragma once

#include <cstdint>
#include <string>

namespace vandrell {

enum TFileType : int32_t { FILETYPE_NONE = 0, FILETYPE_FILE = 1, FILETYPE_DIR = 2 };

int32_t FileType(const std::string& path);
// Seconds since the epoch of the last change, 0 when the path does not exist.
// Creates the folder, with all missing parents when `recurse` is set.
// Whether a file can be made in the folder (tried with a scratch file).
bool CanWriteIn(const std::string& folder);
bool CreateDir(const std::string& path, bool recurse = true);
bool DeleteFile(const std::string& path);
// Replaces `to` with `from` in one step (both in the same folder).
bool RenameFile(const std::string& from, const std::string& to);
bool ChangeDir(const std::string& path);
std::string CurrentDir();
// The absolute form of a path, with "/" separators.
std::string RealPath(const std::string& path);

// "a/b/c.txt" -> "c.txt"
std::string StripDir(const std::string& path);
// "a/b/c.txt" -> "a/b"; "c.txt" -> ""
std::string ExtractDir(const std::string& path);
// "a/b/c.txt" -> "txt"; "" when the last part has no "."
std::string ExtractExt(const std::string& path);

}  // namespace vandrell
