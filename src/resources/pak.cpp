#include "resources/pak.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

// Name length, scrambling code and data length around the name.
constexpr int64_t ENTRY_HEADER = 4 + 1 + 4;

std::string latin1ToUtf8(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) AppendUtf8(text, static_cast<uint8_t>(c));
  return text;
}

// False when the text has a character that one byte cannot hold.
bool utf8ToLatin1(const std::string& text, std::string& bytes) {
  bytes.clear();
  for (size_t i = 0; i < text.size();) {
    const uint32_t code = DecodeUtf8(text, i);
    if (code > 0xFF) return false;
    bytes.push_back(static_cast<char>(code));
  }
  return true;
}

std::string directoryKey(std::string name) {
  if (!tPak::pakCaseSensitive) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  }
  return name;
}

}  // namespace

std::shared_ptr<tPakFile> tPakFile::create(int32_t xCode, int64_t offset, int32_t size) {
  auto file = std::make_shared<tPakFile>();
  file->_xCode = xCode;
  file->_offset = offset;
  file->_size = size;
  return file;
}

std::shared_ptr<tPakStream> tPakStream::create(TStreamPtr cstream, const tPakFile& file) {
  auto stream = std::make_shared<tPakStream>();
  stream->_cstream = std::move(cstream);
  stream->_xCode = file._xCode;
  stream->_offset = file._offset;
  stream->_size = file._size;
  stream->seek(0);
  return stream;
}

int64_t tPakStream::seek(int64_t position) {
  _pos = std::max<int64_t>(position, 0);
  if (_cstream) _cstream->seek(_offset + _pos);
  return _pos;
}

int64_t tPakStream::read(void* buffer, int64_t count) {
  if (!_cstream) return 0;
  seek(_pos);
  const int64_t wanted = std::clamp<int64_t>(_size - _pos, 0, std::max<int64_t>(count, 0));
  const int64_t n = wanted > 0 ? _cstream->read(buffer, wanted) : 0;
  _pos += n;
  auto* bytes = static_cast<uint8_t*>(buffer);
  const auto code = static_cast<uint8_t>(_xCode);
  for (int64_t i = 0; i < n; ++i) bytes[i] ^= code;
  return n;
}

int64_t tPakStream::write(const void*, int64_t) { throw std::runtime_error("Attempt to write to read-only pak!"); }

void tPakStream::flush() {
  if (_cstream) _cstream->flush();
}

int32_t tPak::load(const std::string& url) {
  // A locale's folder bears the same name as its archive.
  if (FileType(url) != FILETYPE_FILE) return 0;
  TStreamPtr stream = ReadFile(url);
  if (!stream) return 0;
  close();
  // Every length is checked against what the file still holds before it is
  // used, so a damaged or hostile archive can neither make us allocate more
  // than its size nor point an entry outside the file.
  const int64_t end = stream->size();
  try {
    for (int64_t p = 0; p < end;) {
      stream->seek(p);
      const int64_t left = end - p;
      const int32_t nameLength = left >= ENTRY_HEADER ? stream->readInt() : -1;
      if (nameLength < 0 || nameLength > left - ENTRY_HEADER) {
        DebugLog(url + ": damaged entry header at byte " + std::to_string(p) + "; the directory ends there");
        break;
      }
      const std::string name = stream->readString(nameLength);
      const int32_t code = stream->readByte();
      const int32_t size = stream->readInt();
      const int64_t offset = p + ENTRY_HEADER + nameLength;
      if (size < 0 || size > end - offset) {
        DebugLog(url + ": entry '" + latin1ToUtf8(name) + "' at byte " + std::to_string(p) +
                 " runs past the end of the file; the directory ends there");
        break;
      }
      _files[directoryKey(latin1ToUtf8(name))] = tPakFile::create(code, offset, size);
      p = offset + size;
    }
  } catch (const TStreamError&) {
    // The file shrank while being read.
    DebugLog(url + ": read error; the directory ends at the last whole entry");
  }
  _cstream = std::move(stream);
  return 1;
}

tPakStreamPtr tPak::get(const std::string& name) const {
  const auto found = _files.find(directoryKey(name));
  if (found == _files.end() || !_cstream) return nullptr;
  return tPakStream::create(_cstream, *found->second);
}

void tPak::close() {
  if (_cstream) _cstream->close();
  _cstream = nullptr;
  _files.clear();
}

std::vector<std::string> tPak::make(const std::string& url, const std::vector<std::string>& files) {
  TStreamPtr archive = WriteFile(url);
  if (!archive) {
    DebugLog("Can't create pak " + url);
    return files;
  }
  std::vector<std::string> failed;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& name = files[i];
    PrintLine(name + "...");
    std::string storedName;
    std::vector<uint8_t> bytes;
    if (FileType(name) != FILETYPE_FILE || !utf8ToLatin1(name, storedName) || !LoadFileBytes(name, bytes) ||
        bytes.size() > static_cast<size_t>(INT32_MAX)) {
      failed.push_back(name);
      continue;
    }
    const auto code = static_cast<uint8_t>(Rand(0, 255));
    for (uint8_t& b : bytes) b ^= code;
    try {
      archive->writeInt(static_cast<int32_t>(storedName.size()));
      archive->writeString(storedName);
      archive->writeByte(code);
      archive->writeInt(static_cast<int32_t>(bytes.size()));
      archive->writeBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
    } catch (const TStreamError&) {
      DebugLog("Can't write pak " + url);
      failed.insert(failed.end(), files.begin() + static_cast<std::ptrdiff_t>(i), files.end());
      break;
    }
  }
  archive->close();
  return failed;
}

}  // namespace vandrell
