#include "scene/pic_params.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace vandrell {

int32_t ParamInt(const tPicParams& prms, size_t index) {
  if (index >= prms.size()) return 0;
  const long long value = std::strtoll(prms[index].c_str(), nullptr, 10);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

float ParamFloat(const tPicParams& prms, size_t index) {
  if (index >= prms.size()) return 0.0f;
  const double value = std::strtod(prms[index].c_str(), nullptr);
  // "nan", "inf" and numbers beyond the float range are no usable parameter.
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return 0.0f;
  return static_cast<float>(value);
}

}  // namespace vandrell
