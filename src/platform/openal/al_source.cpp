// Sources, buffers and the listener of the OpenAL Soft back end. Every call
// first makes the object's own context current (TALContext::use).
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/openal/al_objects.h"

namespace vandrell {

namespace {

// OpenAL refuses negative gains and pitches of 0 or less; script and
// options values may be anything.
float validGain(float gain) { return std::isfinite(gain) ? std::max(gain, 0.0f) : 0.0f; }
float validPitch(float pitch) { return std::isfinite(pitch) ? std::max(pitch, 1.0f / 1024.0f) : 1.0f; }

// One new name from alGenSources or alGenBuffers; 0 (which OpenAL never
// hands out) when the library has none left.
ALuint generated(void (*generate)(ALsizei, ALuint*)) {
  alGetError();
  ALuint id = 0;
  generate(1, &id);
  return alGetError() == AL_NO_ERROR ? id : 0;
}

}  // namespace

TAudioSourcePtr TALContext::createSource() {
  use();
  const ALuint id = generated(alGenSources);
  return id ? std::make_shared<TALSource>(self(), id) : nullptr;
}

TAudioBufferPtr TALContext::createBuffer() {
  use();
  const ALuint id = generated(alGenBuffers);
  return id ? std::make_shared<TALBuffer>(self(), id) : nullptr;
}

void TALListener::gain(float gain) {
  _context.use();
  alListenerf(AL_GAIN, validGain(gain));
}

void TALListener::position(float x, float y, float z) {
  _context.use();
  alListener3f(AL_POSITION, x, y, z);
}

TALBuffer::~TALBuffer() {
  _context->use();
  alDeleteBuffers(1, &_id);
}

void TALBuffer::data(int32_t format, const void* samples, int32_t bytes, int32_t rate) {
  _context->use();
  alBufferData(_id, format, samples, bytes, rate);
}

TALSource::~TALSource() {
  _context->use();
  alSourceStop(_id);
  alSourcei(_id, AL_BUFFER, 0);
  alDeleteSources(1, &_id);
}

void TALSource::queue(TAudioBufferPtr buffer) {
  const auto* own = dynamic_cast<const TALBuffer*>(buffer.get());
  if (!own) throw std::logic_error("a buffer of another audio back end is queued on an OpenAL source");
  ALuint id = own->id();
  _context->use();
  alGetError();
  alSourceQueueBuffers(_id, 1, &id);
  if (alGetError() == AL_NO_ERROR) _queue.push_back(std::move(buffer));
}

TAudioBufferPtr TALSource::unqueue() {
  if (_queue.empty() || processed() == 0) return nullptr;
  ALuint id = 0;
  alSourceUnqueueBuffers(_id, 1, &id);
  TAudioBufferPtr oldest = std::move(_queue.front());
  _queue.pop_front();
  return oldest;
}

void TALSource::unqueueAll() {
  _context->use();
  alSourceStop(_id);
  alSourcei(_id, AL_BUFFER, 0);
  // A stopped source counts whatever is queued on it as processed; a rewound
  // one plays it.
  alSourceRewind(_id);
  _queue.clear();
}

ALint TALSource::get(ALenum what) {
  _context->use();
  ALint value = 0;
  alGetSourcei(_id, what, &value);
  return value;
}

int32_t TALSource::queued() { return get(AL_BUFFERS_QUEUED); }

int32_t TALSource::processed() { return get(AL_BUFFERS_PROCESSED); }

int64_t TALSource::offset() { return get(AL_SAMPLE_OFFSET); }

void TALSource::play() {
  _context->use();
  alSourcePlay(_id);
}

void TALSource::pause() {
  _context->use();
  alSourcePause(_id);
}

void TALSource::stop() {
  _context->use();
  alSourceStop(_id);
}

TAudioState TALSource::state() {
  switch (get(AL_SOURCE_STATE)) {
    case AL_PLAYING:
      return TAudioState::PLAYING;
    case AL_PAUSED:
      return TAudioState::PAUSED;
    case AL_STOPPED:
      return TAudioState::STOPPED;
    default:
      return TAudioState::INITIAL;
  }
}

void TALSource::gain(float gain) {
  _context->use();
  alSourcef(_id, AL_GAIN, validGain(gain));
}

void TALSource::pitch(float pitch) {
  _context->use();
  alSourcef(_id, AL_PITCH, validPitch(pitch));
}

void TALSource::position(float x, float y, float z) {
  _context->use();
  alSource3f(_id, AL_POSITION, x, y, z);
}

}  // namespace vandrell
