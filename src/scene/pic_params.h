// The parameter record of a scene object: the comma-separated fields of its
// line in the level file, kept as strings. Numbers read leniently: a field
// that is empty, malformed or beyond the end of a short record reads as 0, so
// a damaged record still yields an object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vandrell {

using tPicParams = std::vector<std::string>;

// The leading integer of the field (blanks and a sign allowed before it);
// values beyond the Int range saturate.
int32_t ParamInt(const tPicParams& prms, size_t index);
// The leading decimal number of the field; one that is no finite float
// reads as 0.
float ParamFloat(const tPicParams& prms, size_t index);

}  // namespace vandrell
