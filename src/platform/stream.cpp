#include "platform/stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vandrell {

namespace {

class TFileStream final : public TStream {
 public:
  explicit TFileStream(std::FILE* file) : _file(file) {}
  ~TFileStream() override { close(); }

  int64_t read(void* buffer, int64_t count) override {
    if (!_file || count <= 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), _file));
  }
  int64_t write(const void* buffer, int64_t count) override {
    if (!_file || count <= 0) return 0;
    return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), _file));
  }
  int64_t pos() override { return _file ? static_cast<int64_t>(std::ftell(_file)) : 0; }
  int64_t size() override {
    if (!_file) return 0;
    const long here = std::ftell(_file);
    std::fseek(_file, 0, SEEK_END);
    const long end = std::ftell(_file);
    std::fseek(_file, here, SEEK_SET);
    return end;
  }
  int64_t seek(int64_t position) override {
    if (!_file) return 0;
    std::fseek(_file, static_cast<long>(std::max<int64_t>(0, position)), SEEK_SET);
    return pos();
  }
  void flush() override {
    if (_file) std::fflush(_file);
  }
  void close() override {
    if (_file) std::fclose(_file);
    _file = nullptr;
  }

 private:
  std::FILE* _file;
};

template <typename T>
T readLittle(TStream& s) {
  uint8_t bytes[sizeof(T)];
  s.readBytes(bytes, sizeof(T));
  uint64_t bits = 0;
  for (size_t i = 0; i < sizeof(T); ++i) bits |= uint64_t(bytes[i]) << (8 * i);
  T value;
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&value, &bits, 8);
  } else {
    auto narrow = static_cast<uint32_t>(bits);
    if constexpr (sizeof(T) == 4) {
      std::memcpy(&value, &narrow, 4);
    } else {
      value = static_cast<T>(narrow);
    }
  }
  return value;
}

void writeLittle(TStream& s, uint64_t bits, int count) {
  uint8_t bytes[8];
  for (int i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  s.writeBytes(bytes, count);
}

}  // namespace

void TStream::readBytes(void* buffer, int64_t count) {
  if (read(buffer, count) != count) throw TStreamError("Error reading from stream");
}

void TStream::writeBytes(const void* buffer, int64_t count) {
  if (write(buffer, count) != count) throw TStreamError("Error writing to stream");
}

int32_t TStream::readByte() { return readLittle<uint8_t>(*this); }
int32_t TStream::readShort() { return readLittle<uint16_t>(*this); }
int32_t TStream::readInt() { return readLittle<int32_t>(*this); }
int64_t TStream::readLong() { return readLittle<int64_t>(*this); }
float TStream::readFloat() { return readLittle<float>(*this); }
double TStream::readDouble() { return readLittle<double>(*this); }

void TStream::writeByte(int32_t value) { writeLittle(*this, static_cast<uint8_t>(value), 1); }
void TStream::writeShort(int32_t value) { writeLittle(*this, static_cast<uint16_t>(value), 2); }
void TStream::writeInt(int32_t value) { writeLittle(*this, static_cast<uint32_t>(value), 4); }
void TStream::writeLong(int64_t value) { writeLittle(*this, static_cast<uint64_t>(value), 8); }
void TStream::writeFloat(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, 4);
  writeLittle(*this, bits, 4);
}
void TStream::writeDouble(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, 8);
  writeLittle(*this, bits, 8);
}

std::string TStream::readString(int64_t length) {
  if (length <= 0) return {};
  // Never trust a length read from a file: do not allocate beyond what is there.
  const int64_t available = std::max<int64_t>(0, size() - pos());
  if (length > available) throw TStreamError("Error reading from stream");
  std::string text(static_cast<size_t>(length), '\0');
  readBytes(text.data(), length);
  return text;
}

void TStream::writeString(const std::string& text) {
  writeBytes(text.data(), static_cast<int64_t>(text.size()));
}

std::string TStream::readLine() {
  std::string line;
  char c;
  while (read(&c, 1) == 1) {
    if (c == '\n') break;
    line.push_back(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void TStream::writeLine(const std::string& text) {
  writeString(text);
  writeBytes("\r\n", 2);
}

std::vector<uint8_t> TStream::readAll() {
  std::vector<uint8_t> bytes;
  uint8_t chunk[16384];
  for (;;) {
    const int64_t n = read(chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

TStreamPtr OpenFile(const std::string& path, bool readable, bool writeable) {
  const char* mode = readable && writeable ? "r+b" : writeable ? "wb" : "rb";
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (!file) return nullptr;
  return std::make_shared<TFileStream>(file);
}

TStreamPtr ReadFile(const std::string& path) { return OpenFile(path, true, false); }
TStreamPtr WriteFile(const std::string& path) { return OpenFile(path, false, true); }

int64_t TBankStream::read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(_bank->size() - _pos, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, _bank->data() + _pos, static_cast<size_t>(n));
  _pos += n;
  return n;
}

int64_t TBankStream::write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (_pos + count > _bank->size()) _bank->resize(_pos + count);
  std::memcpy(_bank->data() + _pos, buffer, static_cast<size_t>(count));
  _pos += count;
  return count;
}

int64_t TBankStream::seek(int64_t position) {
  _pos = std::clamp<int64_t>(position, 0, _bank->size());
  return _pos;
}

TStreamPtr CreateBankStream(std::vector<uint8_t> bytes) {
  return std::make_shared<TBankStream>(std::make_shared<TBank>(std::move(bytes)));
}

TStreamPtr CreateBankStream(const std::string& bytes) {
  return CreateBankStream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

bool LoadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  TStreamPtr stream = ReadFile(path);
  if (!stream) return false;
  bytes = stream->readAll();
  return true;
}

}  // namespace vandrell
