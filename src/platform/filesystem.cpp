#include "platform/filesystem.h"

#include <cstdio>
#include <filesystem>

namespace vandrell {

namespace fs = std::filesystem;

int32_t FileType(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec) return FILETYPE_NONE;
  if (fs::is_directory(status)) return FILETYPE_DIR;
  if (fs::exists(status)) return FILETYPE_FILE;
  return FILETYPE_NONE;
}

bool CanWriteIn(const std::string& folder) {
  const std::string probe = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + ".write-test";
  std::FILE* file = std::fopen(probe.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fputc('x', file) != EOF;
  const bool closed = std::fclose(file) == 0;
  std::remove(probe.c_str());
  return written && closed;
}

bool CreateDir(const std::string& path, bool recurse) {
  std::error_code ec;
  if (recurse) {
    fs::create_directories(path, ec);
  } else {
    fs::create_directory(path, ec);
  }
  return FileType(path) == FILETYPE_DIR;
}

bool DeleteFile(const std::string& path) {
  std::error_code ec;
  if (FileType(path) != FILETYPE_FILE) return false;
  return fs::remove(path, ec);
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

bool ChangeDir(const std::string& path) {
  std::error_code ec;
  fs::current_path(path, ec);
  return !ec;
}

std::string CurrentDir() {
  std::error_code ec;
  return fs::current_path(ec).generic_string();
}

std::string RealPath(const std::string& path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(path, ec);
  return (ec ? fs::path(path) : absolute).lexically_normal().generic_string();
}

std::string StripDir(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractDir(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ExtractExt(const std::string& path) {
  const std::string last = StripDir(path);
  const size_t dot = last.find_last_of('.');
  return dot == std::string::npos ? std::string() : last.substr(dot + 1);
}

}  // namespace vandrell
