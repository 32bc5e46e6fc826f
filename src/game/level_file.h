// A level file, read line by line. Level files are not sectioned
// configuration files: each is a run of records of a fixed number of lines,
// so a reader only ever asks for the next line. The file is read whole when
// opened; every line keeps its number and byte position, so records can be
// named by where they start and diagnostics can name the line at fault.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/media_lookup.h"

namespace vandrell {

class tLevelFile {
 public:
  // `name` below "locations/". A missing file reads as an empty one.
  explicit tLevelFile(const std::string& name, tFile::tNeed need = tFile::OPTIONAL);

  bool exists() const { return _exists; }
  // "locations/" + name: how diagnostics name the file.
  const std::string& path() const { return _path; }

  // No more lines, or only blank ones: a file may end in blank lines without
  // starting a record of nothing.
  bool atEnd() const;
  // The next line as written, without its line end; "" past the end, so a
  // record cut short reads empty lines.
  std::string line();
  // The next line decoded as UTF-8 (bytes that are no UTF-8 read as the
  // Latin-1 characters of the same value).
  std::string textLine();
  // The number (from 1) and byte position of the line line() reads next.
  int32_t number() const { return static_cast<int32_t>(_next) + 1; }
  int64_t position() const;
  // path() + ":" + the line number: where a diagnostic points.
  std::string place(int32_t number) const;

 private:
  struct tLine {
    std::string text;
    int64_t position = 0;
  };

  std::string _path;
  bool _exists = false;
  std::vector<tLine> _lines;
  int64_t _size = 0;
  size_t _next = 0;
};

// Field helpers of the line-record syntax (trimming is TrimConfigLine).
// Fields: no quoting, empty fields kept, so "" is one empty field.
std::vector<std::string> SplitFields(const std::string& text, char separator);
// Every field trimmed.
std::vector<std::string> SplitTrimmed(const std::string& text, char separator);
// ASCII letters in lower case; other bytes as they are.
std::string LowerField(std::string text);
// Every `from` in `text` replaced by `to`, left to right.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

}  // namespace vandrell
