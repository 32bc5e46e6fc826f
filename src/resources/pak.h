// Pak archives: many named, byte-scrambled entries in one file.
//
// Layout, repeated from byte 0 to the end of the file (little-endian):
// name length N (int32), N name bytes (Latin-1), scrambling code X (one byte),
// data length S (int32), S data bytes each XOR X.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace vandrell {

class tPakFile {
 public:
  int32_t _xCode = 0;
  int64_t _offset = 0;
  int32_t _size = 0;

  static std::shared_ptr<tPakFile> create(int32_t xCode, int64_t offset, int32_t size);
};

using tPakFilePtr = std::shared_ptr<tPakFile>;

// A read-only view of one entry. Every stream of an archive shares the
// archive's file, so each read first seeks to its own position.
class tPakStream final : public TStream {
 public:
  static std::shared_ptr<tPakStream> create(TStreamPtr cstream, const tPakFile& file);

  int64_t read(void* buffer, int64_t count) override;
  // Always raises: archives are never written through their entries.
  int64_t write(const void* buffer, int64_t count) override;
  int64_t pos() override { return _pos; }
  int64_t size() override { return _size; }
  // Positions before the entry's start are taken as its start.
  int64_t seek(int64_t position) override;
  bool eof() override { return _pos >= _size; }
  void flush() override;
  void close() override { _cstream = nullptr; }

 private:
  TStreamPtr _cstream;
  int32_t _xCode = 0;
  int64_t _pos = 0;
  int64_t _size = 0;
  int64_t _offset = 0;
};

using tPakStreamPtr = std::shared_ptr<tPakStream>;

class tPak {
 public:
  // While false, entry names are stored and looked up lower-cased, so lookups
  // ignore case; the media lookup clears it before it opens any archive.
  static inline bool pakCaseSensitive = true;

  tPak() = default;
  ~tPak() { close(); }
  tPak(const tPak&) = delete;
  tPak& operator=(const tPak&) = delete;

  // Reads the directory and keeps the file open for the entries; 0 when the
  // file cannot be opened. A damaged entry ends the directory at the last
  // sound one.
  int32_t load(const std::string& url);
  // A new stream at the entry's start, or null.
  tPakStreamPtr get(const std::string& name) const;
  void close();

  const std::map<std::string, tPakFilePtr>& files() const { return _files; }

  // Writes an archive of the named files, each stored under its name as
  // given; returns the names that could not be stored.
  static std::vector<std::string> make(const std::string& url, const std::vector<std::string>& files);

 private:
  std::map<std::string, tPakFilePtr> _files;
  TStreamPtr _cstream;
};

}  // namespace vandrell
