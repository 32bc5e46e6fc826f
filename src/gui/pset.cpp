#include "gui/pset.h"

#include "platform/stream.h"

namespace vandrell {

std::shared_ptr<tPset> tPset::Create(float x, float y) {
  auto p = std::make_shared<tPset>();
  p->x = x;
  p->y = y;
  return p;
}

std::shared_ptr<tPset> tPset::CreatePset(const tPset& p) { return Create(p.x, p.y); }

void tPset::Save(TStream& stream) const {
  stream.writeFloat(x);
  stream.writeFloat(y);
}

void tPset::Load(TStream& stream) {
  x = stream.readFloat();
  y = stream.readFloat();
}

}  // namespace vandrell
