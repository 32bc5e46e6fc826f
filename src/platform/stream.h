// Byte streams: files, in-memory banks and the typed reads and writes on them.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vandrell {

// Raised by the typed reads when the stream ends before the value does, and by
// writes that cannot store every byte.
class TStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStream {
 public:
  virtual ~TStream() = default;

  // Raw transfer: the number of bytes actually moved (0 at the end).
  virtual int64_t read(void* buffer, int64_t count) = 0;
  virtual int64_t write(const void* buffer, int64_t count) = 0;
  virtual int64_t pos() = 0;
  virtual int64_t size() = 0;
  // Moves to an absolute position; returns the new position.
  virtual int64_t seek(int64_t position) = 0;
  virtual bool eof() { return pos() >= size(); }
  virtual void flush() {}
  virtual void close() {}

  // Typed access, little-endian; reads throw TStreamError when short.
  void readBytes(void* buffer, int64_t count);
  void writeBytes(const void* buffer, int64_t count);
  int32_t readByte();
  int32_t readShort();
  int32_t readInt();
  int64_t readLong();
  float readFloat();
  double readDouble();
  void writeByte(int32_t value);
  void writeShort(int32_t value);
  void writeInt(int32_t value);
  void writeLong(int64_t value);
  void writeFloat(float value);
  void writeDouble(double value);
  // A string of `length` bytes, one byte per character (no conversion).
  std::string readString(int64_t length);
  void writeString(const std::string& text);
  // Bytes up to LF (not included); a CR just before it is dropped. At the end
  // of the stream returns what was read, possibly "".
  std::string readLine();
  // The text followed by CR LF.
  void writeLine(const std::string& text);
  // Everything from the current position to the end.
  std::vector<uint8_t> readAll();
};

using TStreamPtr = std::shared_ptr<TStream>;

// Files. Null when the file cannot be opened. A stream for writing only
// creates or truncates the file; one for reading and writing keeps its content.
TStreamPtr ReadFile(const std::string& path);
TStreamPtr WriteFile(const std::string& path);
TStreamPtr OpenFile(const std::string& path, bool readable, bool writeable);

// A growable block of bytes in memory.
class TBank {
 public:
  TBank() = default;
  explicit TBank(int64_t size) : _bytes(static_cast<size_t>(size)) {}
  explicit TBank(std::vector<uint8_t> bytes) : _bytes(std::move(bytes)) {}

  int64_t size() const { return static_cast<int64_t>(_bytes.size()); }
  void resize(int64_t size) { _bytes.resize(static_cast<size_t>(size)); }
  uint8_t* data() { return _bytes.data(); }
  const uint8_t* data() const { return _bytes.data(); }
  std::vector<uint8_t>& bytes() { return _bytes; }
  const std::vector<uint8_t>& bytes() const { return _bytes; }

 private:
  std::vector<uint8_t> _bytes;
};

using TBankPtr = std::shared_ptr<TBank>;

// A stream over a bank; writing past the end grows the bank.
class TBankStream final : public TStream {
 public:
  explicit TBankStream(TBankPtr bank) : _bank(std::move(bank)) {}

  int64_t read(void* buffer, int64_t count) override;
  int64_t write(const void* buffer, int64_t count) override;
  int64_t pos() override { return _pos; }
  int64_t size() override { return _bank->size(); }
  int64_t seek(int64_t position) override;

  const TBankPtr& bank() const { return _bank; }

 private:
  TBankPtr _bank;
  int64_t _pos = 0;
};

// Convenience: a read stream over a copy of the given bytes.
TStreamPtr CreateBankStream(std::vector<uint8_t> bytes);
TStreamPtr CreateBankStream(const std::string& bytes);

// Loads a whole file; false when it cannot be read.
bool LoadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace vandrell
