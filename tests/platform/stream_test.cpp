#include <gtest/gtest.h>

#include "platform/filesystem.h"
#include "platform/stream.h"
#include "support/temp_dir.h"

namespace vandrell {

TEST(Stream, TypedValuesAreLittleEndianAndRoundTrip) {
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  out.writeByte(0x1FF);
  out.writeShort(0xBEEF);
  out.writeInt(-2);
  out.writeLong(0x0102030405060708LL);
  out.writeFloat(1.5f);
  out.writeDouble(-0.25);
  out.writeString("abc");
  out.writeLine("line");
  EXPECT_EQ(bank->bytes()[0], 0xFF);
  EXPECT_EQ(bank->bytes()[1], 0xEF);
  EXPECT_EQ(bank->bytes()[2], 0xBE);
  EXPECT_EQ(bank->bytes()[3], 0xFE);

  TBankStream in(bank);
  EXPECT_EQ(in.readByte(), 0xFF);
  EXPECT_EQ(in.readShort(), 0xBEEF);
  EXPECT_EQ(in.readInt(), -2);
  EXPECT_EQ(in.readLong(), 0x0102030405060708LL);
  EXPECT_EQ(in.readFloat(), 1.5f);
  EXPECT_EQ(in.readDouble(), -0.25);
  EXPECT_EQ(in.readString(3), "abc");
  EXPECT_EQ(in.readLine(), "line");
  EXPECT_TRUE(in.eof());
}

TEST(Stream, ShortReadsRaiseInsteadOfReturningGarbage) {
  TStreamPtr s = CreateBankStream(std::string("\x01\x02", 2));
  EXPECT_THROW(s->readInt(), TStreamError);
  s->seek(0);
  EXPECT_THROW(s->readString(1000000000), TStreamError) << "a hostile length allocates nothing";
  s->seek(0);
  EXPECT_EQ(s->readShort(), 0x0201);
}

TEST(Stream, BankStreamSeeksWithinBoundsAndGrowsOnWrite) {
  auto bank = std::make_shared<TBank>(4);
  TBankStream s(bank);
  EXPECT_EQ(s.seek(100), 4);
  EXPECT_EQ(s.seek(-5), 0);
  s.seek(2);
  s.writeInt(7);
  EXPECT_EQ(bank->size(), 6);
  EXPECT_EQ(s.pos(), 6);
}

TEST(Stream, FilesWriteReadAndReportMissing) {
  TempDir dir;
  {
    TStreamPtr out = WriteFile(dir.file("a.bin"));
    ASSERT_TRUE(out);
    out->writeInt(42);
    out->writeLine("text");
  }
  TStreamPtr in = ReadFile(dir.file("a.bin"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->size(), 10);
  EXPECT_EQ(in->readInt(), 42);
  EXPECT_EQ(in->readLine(), "text");
  EXPECT_TRUE(in->eof());
  EXPECT_FALSE(ReadFile(dir.file("missing")));
  EXPECT_FALSE(WriteFile(dir.file("no/such/folder/file")));
}

TEST(FileSystem, TypesFoldersAndDeletion) {
  TempDir dir;
  const std::string nested = dir.file("x/y/z");
  EXPECT_EQ(FileType(nested), FILETYPE_NONE);
  EXPECT_TRUE(CreateDir(nested));
  EXPECT_EQ(FileType(nested), FILETYPE_DIR);
  WriteFile(nested + "/f.txt");
  EXPECT_EQ(FileType(nested + "/f.txt"), FILETYPE_FILE);
  EXPECT_FALSE(DeleteFile(nested)) << "folders are not deleted as files";
  EXPECT_TRUE(DeleteFile(nested + "/f.txt"));
  EXPECT_EQ(FileType(nested + "/f.txt"), FILETYPE_NONE);
  EXPECT_FALSE(DeleteFile(nested + "/f.txt"));
}

TEST(FileSystem, PathParts) {
  EXPECT_EQ(StripDir("a/b/c.txt"), "c.txt");
  EXPECT_EQ(StripDir("c.txt"), "c.txt");
  EXPECT_EQ(ExtractDir("a/b/c.txt"), "a/b");
  EXPECT_EQ(ExtractDir("c.txt"), "");
  EXPECT_EQ(ExtractExt("a/b/c.tar.gz"), "gz");
  EXPECT_EQ(ExtractExt("a.d/file"), "");
  EXPECT_EQ(ExtractExt("music/theme.ogg.vol"), "vol");
}

TEST(FileSystem, ChangeDirMovesRelativePaths) {
  TempDir dir;
  const std::string before = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir.path()));
  WriteFile("here.txt");
  EXPECT_EQ(FileType(dir.file("here.txt")), FILETYPE_FILE);
  EXPECT_TRUE(ChangeDir(before));
  EXPECT_FALSE(ChangeDir(dir.file("missing")));
}

}  // namespace vandrell
