// The scrambler of the profiles file and the saved games: a checksum byte (the
// XOR of every plain byte), a key byte chosen anew at every write, then the
// plain bytes XORed with the key. It hides the text from casual editing and
// detects damaged files; it is no protection against a determined reader.
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace vandrell {

class tEncrypt {
 public:
  // Rewinds both streams and writes the scrambled form of `in` to `out`.
  static int32_t encrypt(TStream& in, TStream& out);
  // Rewinds both streams and writes the plain bytes of `in` to `out` (then
  // rewound); 1 when the checksum matches, 0 when the file is damaged or too
  // short to hold the two header bytes.
  static int32_t decrypt(TStream& in, TStream& out);
};

}  // namespace vandrell
