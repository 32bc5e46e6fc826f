// Writing files that must never be lost: the options, the profiles and the
// saved games. The new content goes to a temporary file in the same folder,
// is flushed to the disk, and only then replaces the old file in one rename,
// so a crash, a full disk or a failed write leaves the previous file intact.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vandrell {

// False (with a diagnostic line) when the file could not be replaced; the old
// file, if any, is then unchanged.
bool WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes);

// Makes the next safe writes fail after `bytes` bytes, as a full disk would;
// -1 switches this off. For tests of the callers' failure handling.
void SimulateWriteFailureAfter(int64_t bytes);

// Moves a file that could not be read aside under `path` + `suffix`, keeping
// any earlier copy by numbering the new one ("profiles.damaged",
// "profiles.damaged.1", ...). Returns the name used, "" when nothing moved.
std::string KeepAside(const std::string& path, const std::string& suffix);

}  // namespace vandrell
