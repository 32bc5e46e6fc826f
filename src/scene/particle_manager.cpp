#include "scene/particle_manager.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/numeric.h"
#include "platform/process_wide.h"

namespace vandrell {

tParticleCounter& tParticleCounter::Current() { return tProcessWide<tParticleCounter>::get(); }

void tParticleCounter::add(int32_t updates) {
  const int64_t sum = int64_t{_updates} + updates;
  _updates = static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

int32_t tParticleCounter::flip() { return std::exchange(_updates, 0); }

void tParticleManager::Reactor(float time, float fps) {
  Update(0.0f);
  const int32_t steps = trunci(time * fps);
  for (int32_t i = 0; i < steps; ++i) Update(1.0f / fps);
}

int32_t tParticleManager::CountFlip() { return tParticleCounter::Current().flip(); }

tSortParticleManager::~tSortParticleManager() {
  // Emitters outlive their manager in the objects that own them; they must
  // not point at it afterwards.
  for (const tParticlePtr& p : particles) {
    if (p) p->link = {};
  }
}

void tSortParticleManager::Update(float delta) {
  if (_walking) return;
  _walking = true;
  _read = _write = 0;
  for (const auto& pool : _pools) {
    if (pool) pool->beginWalk();
  }
  // A pooled particle may emit one held by reference and the other way
  // round, so the walk goes on until every list has been walked to its end.
  // An emission may also add the pool of a new kind: the pools are counted
  // afresh on every pass (a new pool starts out ready for the walk).
  int32_t updated = 0;
  do {
    updated += walkParticles(delta);
    for (size_t i = 0; i < _pools.size(); ++i) {
      if (_pools[i]) updated += _pools[i]->walk(delta, *this);
    }
  } while (!walked());
  // A list cleared during the walk stays cleared.
  particles.resize(std::min(_write, particles.size()));
  for (const auto& pool : _pools) {
    if (pool) pool->endWalk();
  }
  _walking = false;
  tParticleCounter::Current().add(updated);
}

bool tSortParticleManager::walked() const {
  if (_read < particles.size()) return false;
  return std::all_of(_pools.begin(), _pools.end(), [](const auto& pool) { return !pool || pool->walked(); });
}

int32_t tSortParticleManager::walkParticles(float delta) {
  int32_t updated = 0;
  while (_read < particles.size()) {
    const size_t index = _read++;
    // Held here, as the update may remove the particle from the list.
    const tParticlePtr p = particles[index];
    if (!p) continue;
    if (p->Dead()) {
      p->link = {};
      continue;
    }
    if (index != _write) {
      particles[_write] = p;
      p->link.entry = static_cast<int32_t>(_write);
    }
    ++_write;
    p->Update(delta, this);
    ++updated;
  }
  return updated;
}

void tSortParticleManager::Render() {
  for (size_t i = 0; i < particles.size(); ++i) {
    const tParticlePtr p = particles[i];
    if (p && !p->Dead()) p->Render();
  }
  for (const auto& pool : _pools) {
    if (pool) pool->render();
  }
}

void tSortParticleManager::AddParticle(const tParticlePtr& p) {
  if (!p || p->link.manager == this) return;
  if (p->link) p->link.manager->RemoveParticle(*p);
  p->link = {this, static_cast<int32_t>(particles.size())};
  particles.push_back(p);
}

void tSortParticleManager::RemoveParticle(tParticle& p) {
  if (p.link.manager == this) _RemoveParticle(p);
}

void tSortParticleManager::_RemoveParticle(tParticle& p) {
  const int32_t entry = p.link.entry;
  p.link = {};
  // Pooled particles have no entry: their pool drops them once unlinked.
  if (entry < 0) return;
  particles[entry] = nullptr;
  if (_walking) return;
  particles.erase(particles.begin() + entry);
  for (size_t i = entry; i < particles.size(); ++i) {
    if (particles[i]) particles[i]->link.entry = static_cast<int32_t>(i);
  }
}

int32_t tSortParticleManager::ParticleExist(const tParticle& p) const { return p.link.manager == this ? 1 : 0; }

void tSortParticleManager::Clear() {
  for (const tParticlePtr& p : particles) {
    if (p) p->link = {};
  }
  particles.clear();
  for (const auto& pool : _pools) {
    if (pool) pool->clear();
  }
}

void tSortParticleManager::Grub(const std::function<void(tParticle&)>& function) {
  for (size_t i = 0; i < particles.size(); ++i) {
    const tParticlePtr p = particles[i];
    if (p) function(*p);
  }
  for (const auto& pool : _pools) {
    if (pool) pool->grub(function);
  }
}

int32_t tSortParticleManager::count() const {
  size_t total = particles.size();
  for (const auto& pool : _pools) {
    if (pool) total += static_cast<size_t>(pool->size());
  }
  return static_cast<int32_t>(total);
}

}  // namespace vandrell
