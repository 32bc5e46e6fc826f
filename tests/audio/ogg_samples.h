// Ogg Vorbis test data made on the spot: a generated signal, its encoding,
// the direct decode of an encoding that playback is compared with, and the
// comparison itself.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vandrell {

// `seconds` of a rising tone, interleaved, a different one on each channel,
// so that no stretch of it looks like another.
std::vector<int16_t> ToneSamples(double seconds, int32_t channels, int32_t rate);

// The samples encoded as an Ogg Vorbis file.
std::string EncodeOgg(const std::vector<int16_t>& samples, int32_t channels, int32_t rate);
// A file of `seconds` of ToneSamples.
std::string ToneOgg(double seconds, int32_t channels, int32_t rate);

// Every sample of the file, interleaved, as the decoder library gives them.
std::vector<int16_t> DecodeOgg(const std::string& file);

// `mixed` holds, from frame `mixedFrom` on, `frames` frames of `reference`
// from frame `from` on, each sample within `tolerance`. The mix lags the
// sources by a few frames (at most 256): the lag is found, not assumed.
::testing::AssertionResult PlaysReference(const std::vector<int16_t>& mixed, size_t mixedFrom,
                                          const std::vector<int16_t>& reference, size_t from, size_t frames,
                                          int32_t channels, int32_t tolerance = 3);

}  // namespace vandrell
