#include "resources/pak.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/random.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

struct Entry {
  std::string name;
  std::string data;
  uint8_t code = 0;
};

void putInt(std::string& out, int32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(static_cast<uint32_t>(value) >> (8 * i)));
}

std::string archiveBytes(const std::vector<Entry>& entries) {
  std::string out;
  for (const Entry& e : entries) {
    putInt(out, static_cast<int32_t>(e.name.size()));
    out += e.name;
    out.push_back(static_cast<char>(e.code));
    putInt(out, static_cast<int32_t>(e.data.size()));
    for (const char c : e.data) out.push_back(static_cast<char>(c ^ e.code));
  }
  return out;
}

void writeBytes(const std::string& path, const std::string& bytes) {
  TStreamPtr file = WriteFile(path);
  ASSERT_TRUE(file);
  file->writeString(bytes);
  file->close();
}

std::string readEntry(const tPak& pak, const std::string& name) {
  tPakStreamPtr stream = pak.get(name);
  if (!stream) return "<missing>";
  const std::vector<uint8_t> bytes = stream->readAll();
  return std::string(bytes.begin(), bytes.end());
}

std::string allBytes(int count) {
  std::string data;
  for (int i = 0; i < count; ++i) data.push_back(static_cast<char>(i * 7 + 3));
  return data;
}

// Restores the process-wide name switch after a test.
struct CaseRule {
  explicit CaseRule(bool sensitive) { tPak::pakCaseSensitive = sensitive; }
  ~CaseRule() { tPak::pakCaseSensitive = true; }
};

class Pak : public ::testing::Test {
 protected:
  std::string archive(const std::vector<Entry>& entries) { return archiveFile(archiveBytes(entries)); }
  std::string archiveFile(const std::string& bytes) {
    const std::string path = dir.file("archive" + std::to_string(++count));
    writeBytes(path, bytes);
    return path;
  }

  TempDir dir;
  int count = 0;
};

}  // namespace

TEST_F(Pak, EmptyArchiveLoadsWithAnEmptyDirectoryAndMissingOneDoesNot) {
  tPak pak;
  EXPECT_EQ(pak.load(archiveFile("")), 1);
  EXPECT_TRUE(pak.files().empty());
  EXPECT_EQ(pak.get("anything"), nullptr);
  EXPECT_EQ(pak.load(dir.file("missing")), 0);
  EXPECT_EQ(pak.load(dir.path()), 0) << "a folder is not an archive";
}

TEST_F(Pak, EveryCodeUnscramblesAndEntriesSitWhereTheLayoutSays) {
  std::vector<Entry> entries;
  for (int code = 0; code < 256; ++code) entries.push_back({"e" + std::to_string(code), allBytes(code + 1), uint8_t(code)});
  tPak pak;
  ASSERT_EQ(pak.load(archive(entries)), 1);
  ASSERT_EQ(pak.files().size(), 256u);
  int64_t offset = 0;
  for (const Entry& e : entries) {
    const tPakFile& file = *pak.files().at(e.name);
    offset += 4 + static_cast<int64_t>(e.name.size()) + 1 + 4;
    EXPECT_EQ(file._offset, offset);
    EXPECT_EQ(file._xCode, e.code);
    EXPECT_EQ(readEntry(pak, e.name), e.data) << "code " << int(e.code);
    offset += static_cast<int64_t>(e.data.size());
  }
}

TEST_F(Pak, EmptyEntryIsAtItsEndAtOnce) {
  tPak pak;
  ASSERT_EQ(pak.load(archive({{"empty", "", 0x5A}, {"next", "x", 1}})), 1);
  tPakStreamPtr stream = pak.get("empty");
  ASSERT_TRUE(stream);
  EXPECT_TRUE(stream->eof());
  char byte = 0;
  EXPECT_EQ(stream->read(&byte, 1), 0);
  EXPECT_EQ(readEntry(pak, "next"), "x");
}

TEST_F(Pak, NamesIgnoreCaseOnlyWhileTheSwitchIsOff) {
  const std::string path = archive({{"Media/Bg.png", "png", 9}});
  {
    CaseRule rule(true);
    tPak pak;
    ASSERT_EQ(pak.load(path), 1);
    EXPECT_EQ(readEntry(pak, "Media/Bg.png"), "png");
    EXPECT_EQ(pak.get("media/bg.png"), nullptr);
  }
  CaseRule rule(false);
  tPak pak;
  ASSERT_EQ(pak.load(path), 1);
  EXPECT_EQ(readEntry(pak, "media/bg.png"), "png");
  EXPECT_EQ(readEntry(pak, "MEDIA/bG.PNG"), "png");
}

TEST_F(Pak, TheLaterOfTwoEntriesWithOneNameWins) {
  tPak pak;
  ASSERT_EQ(pak.load(archive({{"a", "first", 1}, {"b", "b", 2}, {"a", "second", 3}})), 1);
  EXPECT_EQ(readEntry(pak, "a"), "second");
  EXPECT_EQ(pak.files().size(), 2u);
}

TEST_F(Pak, PiecewiseAndInterleavedReadsEqualOneRead) {
  const std::string one = allBytes(1000);
  const std::string two = allBytes(333);
  tPak pak;
  ASSERT_EQ(pak.load(archive({{"one", one, 0xA5}, {"two", two, 0x3C}})), 1);
  for (int piece : {1, 3, 7, 64, 999, 5000}) {
    tPakStreamPtr a = pak.get("one");
    tPakStreamPtr b = pak.get("two");
    std::string gotA;
    std::string gotB;
    std::vector<char> buffer(static_cast<size_t>(piece));
    for (;;) {
      // Alternating between entries moves the shared file under each stream.
      const int64_t n = a->read(buffer.data(), piece);
      gotA.append(buffer.data(), static_cast<size_t>(n));
      const int64_t m = b->read(buffer.data(), piece);
      gotB.append(buffer.data(), static_cast<size_t>(m));
      if (n == 0 && m == 0) break;
    }
    EXPECT_EQ(gotA, one) << "pieces of " << piece;
    EXPECT_EQ(gotB, two) << "pieces of " << piece;
    a->seek(0);
    EXPECT_EQ(a->readAll(), std::vector<uint8_t>(one.begin(), one.end()));
  }
}

TEST_F(Pak, SeekingOutsideTheEntryNeverReadsItsNeighbours) {
  tPak pak;
  ASSERT_EQ(pak.load(archive({{"a", "AAAA", 0}, {"b", "BBBB", 0}, {"c", "CCCC", 0}})), 1);
  tPakStreamPtr stream = pak.get("b");
  char buffer[16] = {};
  EXPECT_EQ(stream->seek(10), 10);
  EXPECT_TRUE(stream->eof());
  EXPECT_EQ(stream->read(buffer, 4), 0);
  EXPECT_EQ(stream->seek(-3), 0) << "a position before the start is the start";
  EXPECT_EQ(stream->read(buffer, 16), 4);
  EXPECT_EQ(std::string(buffer, 4), "BBBB");
  EXPECT_EQ(stream->pos(), 4);
  EXPECT_EQ(stream->size(), 4);
}

TEST_F(Pak, EntryStreamsAreReadOnlyAndGoQuietWhenClosed) {
  tPak pak;
  ASSERT_EQ(pak.load(archive({{"a", "data", 7}})), 1);
  tPakStreamPtr stream = pak.get("a");
  try {
    stream->writeByte(1);
    FAIL() << "writing must raise";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Attempt to write to read-only pak!");
  }
  char byte = 0;
  tPakStreamPtr other = pak.get("a");
  stream->close();
  EXPECT_EQ(stream->read(&byte, 1), 0);
  EXPECT_EQ(other->read(&byte, 1), 1) << "closing one stream leaves the archive open";
  pak.close();
  EXPECT_TRUE(pak.files().empty());
  EXPECT_EQ(other->read(&byte, 1), 0) << "a stream outliving its archive reads nothing";
}

TEST_F(Pak, DamagedArchivesKeepTheirSoundEntries) {
  const std::string sound = archiveBytes({{"good", "ok", 4}, {"also", "fine", 5}});
  std::string negativeName = sound;
  putInt(negativeName, -1);
  negativeName += "more than a header";
  std::string hugeName = sound;
  putInt(hugeName, 0x7FFFFFFF);
  hugeName += "abc";
  std::string negativeSize = sound;
  putInt(negativeSize, 1);
  negativeSize += "n";
  negativeSize.push_back(0);
  putInt(negativeSize, -5);
  std::string pastTheEnd = sound + archiveBytes({{"long", "0123456789", 0}});
  pastTheEnd.resize(pastTheEnd.size() - 1);
  const std::string headerCut = sound + archiveBytes({{"cut", "x", 0}}).substr(0, 6);
  const std::string stub = sound + "\x01\x00";

  for (const std::string& bytes : {negativeName, hugeName, negativeSize, pastTheEnd, headerCut, stub}) {
    LogCapture log;
    tPak pak;
    ASSERT_EQ(pak.load(archiveFile(bytes)), 1);
    EXPECT_EQ(pak.files().size(), 2u);
    EXPECT_EQ(readEntry(pak, "good"), "ok");
    EXPECT_EQ(readEntry(pak, "also"), "fine");
    EXPECT_EQ(log.lines().size(), 1u) << "one diagnostic line names the damage";
  }
}

TEST_F(Pak, HostileArchiveOfRandomBytesNeverPointsOutsideTheFile) {
  SeedRnd(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes = archiveBytes({{"n", allBytes(Rand(0, 40)), uint8_t(Rand(0, 255))}});
    const int damage = Rand(0, 8);
    for (int i = 0; i < damage; ++i) bytes[static_cast<size_t>(Rand(0, int(bytes.size()) - 1))] = char(Rand(0, 255));
    const std::string path = archiveFile(bytes);
    tPak pak;
    ASSERT_EQ(pak.load(path), 1);
    for (const auto& [name, file] : pak.files()) {
      EXPECT_GE(file->_size, 0);
      EXPECT_LE(file->_offset + file->_size, static_cast<int64_t>(bytes.size()));
      EXPECT_EQ(static_cast<int64_t>(pak.get(name)->readAll().size()), file->_size);
    }
  }
}

TEST_F(Pak, MakeRoundTripsEveryFileAndReportsTheOnesItCannotStore) {
  const std::string text = dir.file("text.cfg");
  const std::string binary = dir.file("binary.png");
  const std::string empty = dir.file("empty");
  writeBytes(text, "[s]\r\nk=v\r\n");
  writeBytes(binary, allBytes(70000));
  writeBytes(empty, "");
  const std::string url = dir.file("made");
  SeedRnd(1);
  for (int repeat = 0; repeat < 20; ++repeat) {
    const std::vector<std::string> failed =
        tPak::make(url, {text, dir.file("missing"), binary, empty, dir.path(), "k\xE2\x98\xBA"});
    EXPECT_EQ(failed, (std::vector<std::string>{dir.file("missing"), dir.path(), "k\xE2\x98\xBA"}));
    tPak pak;
    ASSERT_EQ(pak.load(url), 1);
    EXPECT_EQ(pak.files().size(), 3u);
    EXPECT_EQ(readEntry(pak, text), "[s]\r\nk=v\r\n");
    EXPECT_EQ(readEntry(pak, binary), allBytes(70000));
    EXPECT_EQ(readEntry(pak, empty), "");
  }
}

TEST_F(Pak, MakeStoresNamesAsOneBytePerCharacter) {
  const std::string name = "caf\xC3\xA9.png";
  TempDir work;
  const std::string path = work.file(name);
  writeBytes(path, "x");
  const std::string url = dir.file("made");
  EXPECT_TRUE(tPak::make(url, {path}).empty());
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(LoadFileBytes(url, bytes));
  const std::string stored(bytes.begin() + 4, bytes.end() - 6);
  EXPECT_EQ(stored, work.path() + "/caf\xE9.png");
  tPak pak;
  ASSERT_EQ(pak.load(url), 1);
  EXPECT_EQ(readEntry(pak, path), "x");
}

TEST_F(Pak, MakeIntoAnUnwritablePlaceStoresNothing) {
  const std::string source = dir.file("a");
  writeBytes(source, "a");
  EXPECT_EQ(tPak::make(dir.file("no/folder/archive"), {source}), std::vector<std::string>{source});
}

}  // namespace vandrell
