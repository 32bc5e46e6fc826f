#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/random.h"
#include "platform/stream.h"
#include "resources/encrypt.h"

namespace vandrell {

namespace {

std::string scramble(const std::string& plain) {
  auto out = std::make_shared<TBank>();
  TBankStream outStream(out);
  EXPECT_EQ(tEncrypt::encrypt(*CreateBankStream(plain), outStream), 1);
  return std::string(out->bytes().begin(), out->bytes().end());
}

// Returns the checksum verdict; `plain` receives the decoded bytes.
int32_t unscramble(const std::string& scrambled, std::string& plain) {
  auto out = std::make_shared<TBank>();
  TBankStream outStream(out);
  const int32_t ok = tEncrypt::decrypt(*CreateBankStream(scrambled), outStream);
  plain.assign(out->bytes().begin(), out->bytes().end());
  return ok;
}

}  // namespace

TEST(Encrypt, LayoutIsChecksumKeyThenKeyedBytes) {
  const std::string file = scramble("abc");
  ASSERT_EQ(file.size(), 5u);
  EXPECT_EQ(static_cast<uint8_t>(file[0]), 0x60) << "0x61 ^ 0x62 ^ 0x63";
  const auto key = static_cast<uint8_t>(file[1]);
  EXPECT_EQ(static_cast<uint8_t>(file[2]), 'a' ^ key);
  EXPECT_EQ(static_cast<uint8_t>(file[4]), 'c' ^ key);
  std::string plain;
  EXPECT_EQ(unscramble(file, plain), 1);
  EXPECT_EQ(plain, "abc");
}

TEST(Encrypt, EveryKeyDecodesBack) {
  const std::string text = "[1]\r\nname=Ada\r\n";
  for (int key = 0; key < 256; ++key) {
    std::string file = scramble(text);
    file[1] = static_cast<char>(key);
    for (size_t i = 2; i < file.size(); ++i) file[i] = static_cast<char>(text[i - 2] ^ key);
    std::string plain;
    ASSERT_EQ(unscramble(file, plain), 1) << key;
    ASSERT_EQ(plain, text);
  }
}

TEST(Encrypt, EmptyTextGivesTwoBytes) {
  const std::string file = scramble("");
  ASSERT_EQ(file.size(), 2u);
  EXPECT_EQ(file[0], 0);
  std::string plain;
  EXPECT_EQ(unscramble(file, plain), 1);
  EXPECT_EQ(plain, "");
}

TEST(Encrypt, DamageIsDetected) {
  const std::string file = scramble("options=1\r\n");
  std::string plain;
  for (size_t i = 2; i < file.size(); ++i) {
    std::string damaged = file;
    damaged[i] = static_cast<char>(damaged[i] ^ 0x10);
    EXPECT_EQ(unscramble(damaged, plain), 0) << "payload byte " << i;
  }
  std::string badChecksum = file;
  badChecksum[0] = static_cast<char>(badChecksum[0] ^ 1);
  EXPECT_EQ(unscramble(badChecksum, plain), 0);
  // A changed key shows only with an odd number of payload bytes: with an even
  // number, every byte changes but their XOR does not.
  std::string odd = scramble("abc"), even = scramble("abcd");
  odd[1] = static_cast<char>(odd[1] ^ 0x5A);
  even[1] = static_cast<char>(even[1] ^ 0x5A);
  EXPECT_EQ(unscramble(odd, plain), 0);
  EXPECT_EQ(unscramble(even, plain), 1);
  EXPECT_EQ(unscramble("", plain), 0) << "too short to be a file";
  EXPECT_EQ(unscramble("x", plain), 0);
}

TEST(Encrypt, EachWriteChoosesAFreshKey) {
  SeedRnd(2024);
  std::set<std::string> files;
  for (int i = 0; i < 20; ++i) {
    const std::string file = scramble("the same text");
    std::string plain;
    ASSERT_EQ(unscramble(file, plain), 1);
    ASSERT_EQ(plain, "the same text");
    files.insert(file);
  }
  EXPECT_GT(files.size(), 10u);
}

}  // namespace vandrell
