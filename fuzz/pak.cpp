// The archive directory reader and entry streams on arbitrary files: every
// entry must lie inside the file, read back exactly its size in any pieces,
// and nothing may crash, leak or allocate beyond the file.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "resources/pak.h"

using namespace vandrell;

namespace {

// One scratch file per process, removed when the process ends; in memory
// where the system offers that, as writing it is most of each run's time.
struct ScratchFile {
  std::string path = std::string(FileType("/dev/shm") == FILETYPE_DIR ? "/dev/shm" : "/tmp") +
                     "/vandrell-fuzz-pak-" + std::to_string(getpid());
  ~ScratchFile() { DeleteFile(path); }
};

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFile archive;
  TStreamPtr file = WriteFile(archive.path);
  require(file != nullptr);
  file->writeBytes(data, static_cast<int64_t>(size));
  file->close();

  tPak::pakCaseSensitive = size % 2 == 0;
  tPak pak;
  require(pak.load(archive.path) == 1);
  const int64_t piece = size % 64 + 1;
  for (const auto& [name, entry] : pak.files()) {
    require(entry->_size >= 0 && entry->_offset >= 0);
    require(entry->_offset + entry->_size <= static_cast<int64_t>(size));
    tPakStreamPtr stream = pak.get(name);
    require(stream != nullptr);
    std::vector<uint8_t> buffer(static_cast<size_t>(piece));
    int64_t total = 0;
    for (int64_t n; (n = stream->read(buffer.data(), piece)) > 0;) total += n;
    require(total == entry->_size && stream->eof());
    stream->seek(entry->_size / 2);
    require(static_cast<int64_t>(stream->readAll().size()) == entry->_size - entry->_size / 2);
  }
  return 0;
}
