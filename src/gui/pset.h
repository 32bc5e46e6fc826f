// A point of a polygon, shared so that every holder sees the polygon's
// transforms.
#pragma once

#include <memory>

namespace vandrell {

class TStream;

class tPset {
 public:
  float x = 0.0f;
  float y = 0.0f;

  static std::shared_ptr<tPset> Create(float x, float y);
  static std::shared_ptr<tPset> CreatePset(const tPset& p);

  // Two little-endian floats, x then y.
  void Save(TStream& stream) const;
  void Load(TStream& stream);
};

using tPsetPtr = std::shared_ptr<tPset>;

}  // namespace vandrell
