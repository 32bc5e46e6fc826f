// Particle managers update, draw and remove particles. Particles that have an
// identity of their own (emitters) are added by reference; the particles
// factories emit in great numbers may live by value in the manager's pools.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "scene/particle.h"
#include "scene/particle_pool.h"

namespace vandrell {

// Counts particle updates across all managers for the developer overlay.
class tParticleCounter {
 public:
  static tParticleCounter& Current();
  // Saturates rather than overflowing while nobody reads it.
  void add(int32_t updates);
  int32_t flip();

 private:
  int32_t _updates = 0;
};

class tParticleManager {
 public:
  // A manager holds at most `capacity` particles, by default this many;
  // emissions beyond it are dropped, so that no description can exhaust memory.
  static constexpr int32_t MAX_PARTICLES = 20000;
  int32_t capacity = MAX_PARTICLES;

  virtual ~tParticleManager() = default;

  virtual void Update(float delta) = 0;
  virtual void Render() = 0;
  // A particle another manager holds leaves that one first.
  virtual void AddParticle(const tParticlePtr& p) = 0;
  virtual void RemoveParticle(tParticle& p) = 0;
  virtual int32_t ParticleExist(const tParticle& p) const = 0;
  virtual void Clear() = 0;
  // Pre-runs the effect: an update of no time, then `time` seconds in steps
  // of 1 / fps.
  void Reactor(float time, float fps);
  virtual void Grub(const std::function<void(tParticle&)>& function) = 0;
  // The particle updates of all managers since the last call.
  static int32_t CountFlip();

  // Particles held, counting those that died since the last update.
  virtual int32_t count() const = 0;
  bool full() const { return count() >= capacity; }

  // A copy of `sample` kept by value in this manager's pool for T; null when
  // the manager is full.
  template <class T>
  T* addByValue(const T& sample) {
    if (full()) return nullptr;
    T& particle = pool<T>().add(sample);
    particle.link = {this, -1};
    return &particle;
  }

 protected:
  // Null entries stand for kinds this manager has never held.
  std::vector<std::unique_ptr<tParticlePoolBase>> _pools;

 private:
  template <class T>
  tParticlePool<T>& pool() {
    const size_t index = poolIndex<T>();
    if (_pools.size() <= index) _pools.resize(index + 1);
    if (!_pools[index]) _pools[index] = std::make_unique<tParticlePool<T>>();
    return static_cast<tParticlePool<T>&>(*_pools[index]);
  }
  template <class T>
  static size_t poolIndex() {
    static const size_t index = _poolKinds++;
    return index;
  }
  static inline size_t _poolKinds = 0;
};

// Keeps its particles in the order they came: they update and draw oldest
// first. Particles emitted during an update are reached in the same update and
// advanced by the same time as the others.
class tSortParticleManager : public tParticleManager {
 public:
  // The particles added by reference. An entry removed while an update walks
  // the list stays null until the walk has passed it.
  std::vector<tParticlePtr> particles;

  ~tSortParticleManager() override;

  void Update(float delta) override;
  void Render() override;
  void AddParticle(const tParticlePtr& p) override;
  void RemoveParticle(tParticle& p) override;
  int32_t ParticleExist(const tParticle& p) const override;
  void Clear() override;
  void Grub(const std::function<void(tParticle&)>& function) override;
  int32_t count() const override;

 protected:
  void _RemoveParticle(tParticle& p);

 private:
  int32_t walkParticles(float delta);
  bool walked() const;

  bool _walking = false;
  size_t _read = 0;
  size_t _write = 0;
};

}  // namespace vandrell
