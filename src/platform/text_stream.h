// Text over a byte stream in a declared encoding. Text in the program is UTF-8;
// conversion happens here, at the edge. Lines end at LF (a CR before it is
// dropped); written lines end with CR LF; no byte-order mark is written.
#pragma once

#include <cstdint>
#include <string>

#include "platform/stream.h"

namespace vandrell {

enum TTextEncoding : int32_t { LATIN1 = 1, UTF8 = 2, UTF16BE = 3, UTF16LE = 4 };

class TTextStream {
 public:
  TTextStream(TStreamPtr stream, int32_t encoding);

  // One line, converted to UTF-8. A byte-order mark of the declared encoding at
  // the very start of the stream is skipped.
  std::string readLine();
  bool eof();
  void writeString(const std::string& utf8);
  void writeLine(const std::string& utf8);

  // Every line at once.
  std::string readAll();

  TStream& stream() { return *_stream; }

 private:
  // Next code point, or -1 at the end of the stream.
  int32_t readCodePoint();
  void writeCodePoint(uint32_t code);
  void skipByteOrderMark();

  TStreamPtr _stream;
  int32_t _encoding;
};

// Decodes one code point from UTF-8 at `index`, advancing it. Invalid bytes
// decode as the Latin-1 character of the same value, so text saved by an
// editor in Latin-1 still reads sensibly.
uint32_t DecodeUtf8(const std::string& text, size_t& index);
void AppendUtf8(std::string& text, uint32_t code);

}  // namespace vandrell
