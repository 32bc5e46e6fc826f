#include "platform/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/filesystem.h"
#include "platform/log.h"

namespace vandrell {

namespace {

int64_t failAfter = -1;

bool writeAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t chunk = bytes.size() - done;
    if (failAfter >= 0) {
      if (static_cast<int64_t>(done) >= failAfter) {
        errno = ENOSPC;
        return false;
      }
      chunk = std::min<size_t>(chunk, static_cast<size_t>(failAfter) - done);
    }
    const ssize_t n = ::write(fd, bytes.data() + done, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void syncFolder(const std::string& path) {
  const std::string folder = ExtractDir(path).empty() ? "." : ExtractDir(path);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temporary = path + ".new";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    DebugLog("Can't write \"" + path + "\": " + std::strerror(errno));
    return false;
  }
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    DebugLog("Can't write \"" + path + "\": " + std::strerror(written ? errno : error) +
             "; the previous file is kept");
    ::unlink(temporary.c_str());
    return false;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    DebugLog("Can't replace \"" + path + "\": " + std::strerror(errno) + "; the previous file is kept");
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(path);
  return true;
}

void SimulateWriteFailureAfter(int64_t bytes) { failAfter = bytes; }

std::string KeepAside(const std::string& path, const std::string& suffix) {
  if (FileType(path) != FILETYPE_FILE) return "";
  std::string target = path + suffix;
  for (int n = 1; FileType(target) != FILETYPE_NONE; ++n) target = path + suffix + "." + std::to_string(n);
  if (!RenameFile(path, target)) {
    DebugLog("Can't keep \"" + path + "\" aside as \"" + target + "\"");
    return "";
  }
  return target;
}

}  // namespace vandrell
