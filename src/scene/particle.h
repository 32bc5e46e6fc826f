// The generic particle: a thing a particle manager updates, draws and removes
// once it is dead, whose look and motion come from a pluggable behaviour
// record. Timed particles, emitters and the game's own particles derive from
// it.
#pragma once

#include <cstdint>
#include <memory>

namespace vandrell {

class tParticle;
class tParticleManager;

// A behaviour record. The base does nothing; the game's record moves and
// draws the particle, and its range record varies new particles.
class tParticleStruct {
 public:
  tParticleStruct() = default;
  // Records travel by value inside the particles a manager keeps.
  tParticleStruct(const tParticleStruct&) = default;
  tParticleStruct(tParticleStruct&&) = default;
  tParticleStruct& operator=(const tParticleStruct&) = default;
  tParticleStruct& operator=(tParticleStruct&&) = default;
  virtual ~tParticleStruct() = default;

  virtual std::shared_ptr<tParticleStruct> Copy() const;
  // Applied by a factory to each particle it emits for a parent.
  virtual void Inherit(tParticle& child, const tParticle& parent) const {}
  // Applied by a factory to each particle it emits.
  virtual void Fluctuation(tParticle& particle) const {}
  virtual void Update(float delta, tParticle& particle) {}
  virtual void Render(const tParticle& particle) const {}
};

using tParticleStructPtr = std::shared_ptr<tParticleStruct>;

// Which manager holds a particle. Particles the manager keeps by value have no
// entry of their own (-1).
struct tParticleLink {
  tParticleManager* manager = nullptr;
  int32_t entry = -1;
  explicit operator bool() const { return manager != nullptr; }
};

using tParticlePtr = std::shared_ptr<tParticle>;

class tParticle {
 public:
  tParticle() = default;
  // A manager moves the particles it keeps by value as others die.
  tParticle(const tParticle&) = default;
  tParticle(tParticle&&) = default;
  tParticle& operator=(const tParticle&) = default;
  tParticle& operator=(tParticle&&) = default;
  virtual ~tParticle() = default;

  // Unset while no manager holds the particle.
  tParticleLink link;

  // The behaviour, or null.
  virtual tParticleStruct* data() { return _data.get(); }
  const tParticleStruct* data() const { return const_cast<tParticle*>(this)->data(); }
  void setData(tParticleStructPtr data) { _data = std::move(data); }

  virtual int32_t Dead() const = 0;
  // A new, unmanaged particle that starts where this one started.
  virtual tParticlePtr Copy() const = 0;
  virtual void Restart(float time) = 0;
  // `manager` is null when the particle is advanced on its own.
  virtual void Update(float delta, tParticleManager* manager);
  virtual void Render();

  // Puts a copy into the manager and returns it; null when the manager is
  // full. Kinds of particle that are emitted by the thousand override this to
  // live in the manager's own storage instead of one allocation each.
  virtual tParticle* CopyInto(tParticleManager& manager) const;

 protected:
  tParticleStructPtr _data;
};

}  // namespace vandrell
