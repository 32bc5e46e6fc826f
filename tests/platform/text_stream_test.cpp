#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/stream.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

std::vector<uint8_t> bytesOf(const TBankPtr& bank) { return bank->bytes(); }

std::vector<uint8_t> encode(int32_t encoding, const std::vector<std::string>& lines) {
  auto bank = std::make_shared<TBank>();
  TTextStream text(std::make_shared<TBankStream>(bank), encoding);
  for (const std::string& line : lines) text.writeLine(line);
  return bytesOf(bank);
}

std::vector<std::string> decode(int32_t encoding, std::vector<uint8_t> bytes) {
  TTextStream text(CreateBankStream(std::move(bytes)), encoding);
  std::vector<std::string> lines;
  while (!text.eof()) lines.push_back(text.readLine());
  return lines;
}

const std::vector<std::string> kSample = {"Plain ASCII", "Fa\xc3\xa7" "ade na\xc3\xaf" "ve \xe2\x82\xac", "", "end"};

}  // namespace

TEST(TextStream, EveryEncodingRoundTripsItsCharacters) {
  for (int32_t encoding : {UTF8, UTF16BE, UTF16LE}) {
    EXPECT_EQ(decode(encoding, encode(encoding, kSample)), kSample) << "encoding " << encoding;
  }
  // Latin-1 has no euro sign: it is written as "?".
  std::vector<std::string> latin = kSample;
  latin[1] = "Fa\xc3\xa7" "ade na\xc3\xaf" "ve ?";
  EXPECT_EQ(decode(LATIN1, encode(LATIN1, kSample)), latin);
}

TEST(TextStream, WrittenBytesUseTheDeclaredEncodingWithCrLfAndNoMark) {
  EXPECT_EQ(encode(LATIN1, {"\xc3\xa9"}), (std::vector<uint8_t>{0xE9, '\r', '\n'}));
  EXPECT_EQ(encode(UTF8, {"\xc3\xa9"}), (std::vector<uint8_t>{0xC3, 0xA9, '\r', '\n'}));
  EXPECT_EQ(encode(UTF16BE, {"\xc3\xa9"}), (std::vector<uint8_t>{0x00, 0xE9, 0x00, '\r', 0x00, '\n'}));
  EXPECT_EQ(encode(UTF16LE, {"\xc3\xa9"}), (std::vector<uint8_t>{0xE9, 0x00, '\r', 0x00, '\n', 0x00}));
}

TEST(TextStream, LinesEndAtLfWithCrDropped) {
  const std::string raw = "one\r\ntwo\nthree\r\n\nfour";
  EXPECT_EQ(decode(UTF8, std::vector<uint8_t>(raw.begin(), raw.end())),
            (std::vector<std::string>{"one", "two", "three", "", "four"}));
}

TEST(TextStream, ByteOrderMarkOfTheDeclaredEncodingIsSkipped) {
  EXPECT_EQ(decode(UTF8, {0xEF, 0xBB, 0xBF, 'h', 'i'}), std::vector<std::string>{"hi"});
  EXPECT_EQ(decode(UTF16LE, {0xFF, 0xFE, 'h', 0, 'i', 0}), std::vector<std::string>{"hi"});
  EXPECT_EQ(decode(UTF16BE, {0xFE, 0xFF, 0, 'h', 0, 'i'}), std::vector<std::string>{"hi"});
}

TEST(TextStream, InvalidUtf8ReadsAsLatin1) {
  // "café" saved by an editor in Latin-1 but read as UTF-8.
  EXPECT_EQ(decode(UTF8, {'c', 'a', 'f', 0xE9, '\n', 'x'}), (std::vector<std::string>{"caf\xc3\xa9", "x"}));
  // A lead byte whose sequence is cut short by the end of the stream.
  EXPECT_EQ(decode(UTF8, {'a', 0xE2, 0x82}), (std::vector<std::string>{"a\xc3\xa2\xc2\x82"}));
}

TEST(TextStream, Utf16SurrogatePairsAndStrayHalves) {
  const std::string clef = "\xf0\x9d\x84\x9e";  // U+1D11E, outside the 16-bit range
  EXPECT_EQ(decode(UTF16LE, encode(UTF16LE, {clef})), std::vector<std::string>{clef});
  // A lone low surrogate and an odd trailing byte do not stop the reader.
  EXPECT_EQ(decode(UTF16BE, {0xDC, 0x00, 0x00, 'a', 0x00}), std::vector<std::string>{"\xef\xbf\xbd" "a"});
}

}  // namespace vandrell
