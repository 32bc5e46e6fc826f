// Particles of one class kept by value, for the kinds that are emitted by the
// thousand. They sit in chunks of fixed size, so that emitting costs no
// allocation once the chunks exist, a particle never moves while its own
// update runs (a particle that emits during its update stays valid), and the
// update and draw loops call the particle's own class directly.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "scene/particle.h"

namespace vandrell {

class tParticlePoolBase {
 public:
  virtual ~tParticlePoolBase() = default;

  // Slots in use, including particles that died since the last walk.
  virtual int32_t size() const = 0;
  // An update walk removes the dead and unlinked particles and updates the
  // others in order. Particles added during the walk are reached in the same
  // walk and advanced by the same time, so a new particle has aged one frame
  // beyond its lateness when it is first drawn.
  virtual void beginWalk() = 0;
  // Walks on to the current end; returns how many particles were updated.
  virtual int32_t walk(float delta, tParticleManager& manager) = 0;
  virtual bool walked() const = 0;
  virtual void endWalk() = 0;
  // The living particles, oldest first.
  virtual void render() = 0;
  virtual void clear() = 0;
  virtual void grub(const std::function<void(tParticle&)>& function) = 0;
};

// T is a final class derived from tParticle, default-constructible and copyable.
template <class T>
class tParticlePool final : public tParticlePoolBase {
 public:
  // A copy of `sample` in a new slot at the end.
  T& add(const T& sample) {
    if (_size == static_cast<int32_t>(_chunks.size()) * CHUNK) _chunks.push_back(std::make_unique<T[]>(CHUNK));
    T& slot = at(_size++);
    slot = sample;
    return slot;
  }

  int32_t size() const override { return _size; }

  void beginWalk() override { _read = _write = 0; }

  int32_t walk(float delta, tParticleManager& manager) override {
    int32_t updated = 0;
    while (_read < _size) {
      const int32_t index = _read++;
      T& particle = at(index);
      if (!particle.link || particle.Dead()) continue;
      T& kept = index == _write ? particle : (at(_write) = std::move(particle));
      ++_write;
      kept.Update(delta, &manager);
      ++updated;
    }
    return updated;
  }

  bool walked() const override { return _read >= _size; }

  void endWalk() override {
    // The slots past the survivors hold dead or moved-from particles; reset
    // them so that nothing they shared (images, factories) is kept alive.
    for (int32_t i = _write; i < _size; ++i) at(i) = T();
    // A pool cleared during the walk stays cleared.
    _size = std::min(_write, _size);
  }

  void render() override {
    for (int32_t i = 0; i < _size; ++i) {
      T& particle = at(i);
      if (particle.link && !particle.Dead()) particle.Render();
    }
  }

  void clear() override {
    for (int32_t i = 0; i < _size; ++i) at(i) = T();
    _size = 0;
  }

  void grub(const std::function<void(tParticle&)>& function) override {
    for (int32_t i = 0; i < _size; ++i) {
      if (at(i).link) function(at(i));
    }
  }

 private:
  static constexpr int32_t CHUNK = 256;

  T& at(int32_t index) { return _chunks[index / CHUNK][index % CHUNK]; }

  std::vector<std::unique_ptr<T[]>> _chunks;
  int32_t _size = 0;
  int32_t _read = 0;
  int32_t _write = 0;
};

}  // namespace vandrell
