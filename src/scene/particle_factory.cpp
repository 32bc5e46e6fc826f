#include "scene/particle_factory.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/random.h"
#include "scene/particle_manager.h"
#include "scene/time_particle.h"

namespace vandrell {

void tParticleFactory::Update(float delta) { emitTimer += delta; }

int32_t tParticleFactory::Emit(tParticleManager& manager, tParticle* parent, float age) {
  if (!sample) return 0;
  // No batch can hold more than a manager does, whatever the fields say.
  const int32_t spread = static_cast<int32_t>(
      std::min<int64_t>(std::llabs(int64_t{emitCountFluctuant}), tParticleManager::MAX_PARTICLES));
  const int64_t count = int64_t{emitCount} + Rand(-spread, spread);
  int32_t made = 0;
  for (; made < count; ++made) {
    tParticle* child = sample->CopyInto(manager);
    if (!child) break;
    if (auto* timed = dynamic_cast<tTimeParticle*>(child)) timed->lifeTimer = age;
    if (fluctuation) fluctuation->Fluctuation(*child);
    if (inherit && parent) inherit->Inherit(*child, *parent);
  }
  return made;
}

int32_t tParticleFactory::PeriodEmit(tParticleManager& manager, tParticle* parent) {
  if (!(emitTimer >= emitStart)) return 0;
  Emit(manager, parent, emitTimer - emitStart);
  const float period = emitPeriod + std::max(0.0f, static_cast<float>(Rnd(-emitPeriodFluctuant, emitPeriodFluctuant)));
  const float next = emitTimer - period;
  // A period that is not positive, or too small to change the timer, would
  // make the callers' loop endless: such a factory emits one batch per update.
  emitTimer = next < emitTimer ? next : std::nextafter(emitStart, -std::numeric_limits<float>::infinity());
  return 1;
}

void tParticleFactory::Restart(float time) {
  emitTimer = -time;
  if (sample) sample->Restart(0.0f);
}

}  // namespace vandrell
