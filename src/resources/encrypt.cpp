#include "resources/encrypt.h"

#include <vector>

#include "platform/random.h"

namespace vandrell {

int32_t tEncrypt::encrypt(TStream& in, TStream& out) {
  in.seek(0);
  out.seek(0);
  const std::vector<uint8_t> plain = in.readAll();
  uint8_t checksum = 0;
  for (uint8_t b : plain) checksum ^= b;
  const auto key = static_cast<uint8_t>(Rand(0, 255));
  std::vector<uint8_t> scrambled;
  scrambled.reserve(plain.size() + 2);
  scrambled.push_back(checksum);
  scrambled.push_back(key);
  for (uint8_t b : plain) scrambled.push_back(b ^ key);
  out.writeBytes(scrambled.data(), static_cast<int64_t>(scrambled.size()));
  return 1;
}

int32_t tEncrypt::decrypt(TStream& in, TStream& out) {
  in.seek(0);
  out.seek(0);
  const std::vector<uint8_t> scrambled = in.readAll();
  if (scrambled.size() < 2) return 0;
  uint8_t checksum = scrambled[0];
  const uint8_t key = scrambled[1];
  std::vector<uint8_t> plain(scrambled.begin() + 2, scrambled.end());
  for (uint8_t& b : plain) {
    b ^= key;
    checksum ^= b;
  }
  out.writeBytes(plain.data(), static_cast<int64_t>(plain.size()));
  out.seek(0);
  return checksum == 0 ? 1 : 0;
}

}  // namespace vandrell
