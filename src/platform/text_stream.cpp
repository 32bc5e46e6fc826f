#include "platform/text_stream.h"

namespace vandrell {

namespace {
constexpr uint32_t REPLACEMENT = 0xFFFD;
}

uint32_t DecodeUtf8(const std::string& text, size_t& index) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(index);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length <= 1 || index + length > text.size()) {
    ++index;
    return lead;
  }
  uint32_t code = lead & (0xFF >> (length + 1));
  for (int k = 1; k < length; ++k) {
    const uint8_t next = byte(index + k);
    if ((next & 0xC0) != 0x80) {
      ++index;
      return lead;
    }
    code = (code << 6) | (next & 0x3F);
  }
  static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF) {
    ++index;
    return lead;
  }
  index += length;
  return code;
}

void AppendUtf8(std::string& text, uint32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = REPLACEMENT;
  if (code < 0x80) {
    text.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (code >> 6)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (code >> 12)));
    text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (code >> 18)));
    text.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

TTextStream::TTextStream(TStreamPtr stream, int32_t encoding)
    : _stream(std::move(stream)), _encoding(encoding) {
  if (_encoding < LATIN1 || _encoding > UTF16LE) _encoding = LATIN1;
  if (_stream && _stream->pos() == 0) skipByteOrderMark();
}

void TTextStream::skipByteOrderMark() {
  static const uint8_t marks[][3] = {{0, 0, 0}, {0, 0, 0}, {0xEF, 0xBB, 0xBF}, {0xFE, 0xFF, 0}, {0xFF, 0xFE, 0}};
  if (_encoding == LATIN1) return;
  const int length = _encoding == UTF8 ? 3 : 2;
  uint8_t head[3] = {};
  const int64_t got = _stream->read(head, length);
  bool matches = got == length;
  for (int i = 0; matches && i < length; ++i) matches = head[i] == marks[_encoding][i];
  if (!matches) _stream->seek(0);
}

int32_t TTextStream::readCodePoint() {
  uint8_t b[4];
  switch (_encoding) {
    case LATIN1:
      return _stream->read(b, 1) == 1 ? b[0] : -1;
    case UTF8: {
      if (_stream->read(b, 1) != 1) return -1;
      const int length = b[0] < 0x80 ? 1 : (b[0] >> 5) == 0x6 ? 2 : (b[0] >> 4) == 0xE ? 3 : (b[0] >> 3) == 0x1E ? 4 : 1;
      if (length == 1) return b[0];
      const int64_t start = _stream->pos();
      const int64_t got = _stream->read(b + 1, length - 1);
      std::string bytes(reinterpret_cast<char*>(b), static_cast<size_t>(1 + got));
      size_t index = 0;
      const uint32_t code = DecodeUtf8(bytes, index);
      // Bytes that did not belong to the sequence are read again.
      _stream->seek(start + static_cast<int64_t>(index) - 1);
      return static_cast<int32_t>(code);
    }
    default: {
      const auto unit = [&](uint32_t& value) {
        if (_stream->read(b, 2) != 2) return false;
        value = _encoding == UTF16BE ? (b[0] << 8 | b[1]) : (b[1] << 8 | b[0]);
        return true;
      };
      uint32_t first;
      if (!unit(first)) return -1;
      if (first >= 0xD800 && first <= 0xDBFF) {
        const int64_t start = _stream->pos();
        uint32_t second;
        if (unit(second) && second >= 0xDC00 && second <= 0xDFFF) {
          return static_cast<int32_t>(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
        }
        _stream->seek(start);
        return static_cast<int32_t>(REPLACEMENT);
      }
      if (first >= 0xDC00 && first <= 0xDFFF) return static_cast<int32_t>(REPLACEMENT);
      return static_cast<int32_t>(first);
    }
  }
}

std::string TTextStream::readLine() {
  std::string line;
  for (;;) {
    const int32_t code = readCodePoint();
    if (code < 0 || code == '\n') break;
    AppendUtf8(line, static_cast<uint32_t>(code));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool TTextStream::eof() { return _stream->eof(); }

std::string TTextStream::readAll() {
  std::string text;
  for (int32_t code; (code = readCodePoint()) >= 0;) AppendUtf8(text, static_cast<uint32_t>(code));
  return text;
}

void TTextStream::writeCodePoint(uint32_t code) {
  switch (_encoding) {
    case LATIN1:
      _stream->writeByte(code < 256 ? static_cast<int32_t>(code) : '?');
      break;
    case UTF8: {
      std::string bytes;
      AppendUtf8(bytes, code);
      _stream->writeString(bytes);
      break;
    }
    default: {
      const auto put = [&](uint32_t unit) {
        const uint8_t b[2] = {static_cast<uint8_t>(_encoding == UTF16BE ? unit >> 8 : unit & 0xFF),
                              static_cast<uint8_t>(_encoding == UTF16BE ? unit & 0xFF : unit >> 8)};
        _stream->writeBytes(b, 2);
      };
      if (code >= 0x10000) {
        code -= 0x10000;
        put(0xD800 + (code >> 10));
        put(0xDC00 + (code & 0x3FF));
      } else {
        put(code);
      }
    }
  }
}

void TTextStream::writeString(const std::string& utf8) {
  for (size_t i = 0; i < utf8.size();) writeCodePoint(DecodeUtf8(utf8, i));
}

void TTextStream::writeLine(const std::string& utf8) {
  writeString(utf8);
  writeCodePoint('\r');
  writeCodePoint('\n');
}

}  // namespace vandrell
