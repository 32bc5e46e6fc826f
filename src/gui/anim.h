// A frame counter with looping modes: it steps through a range of frames at a
// speed in frames per second, forward or backward, a number of times, forever,
// or back and forth forever.
#pragma once

#include <cstdint>
#include <memory>

namespace vandrell {

class tAnim;
using tAnimPtr = std::shared_ptr<tAnim>;

// Plays that never end.
constexpr int32_t ANIM_LOOP = -1;
constexpr int32_t ANIM_PINGPONG = -2;

class tAnim {
 public:
  // Paused on frame 0 of the range 0..0.
  tAnim();
  virtual ~tAnim() = default;

  virtual tAnimPtr copy() const;
  // Runs from `from` to `to`; equal bounds run backwards. `plays` as for start.
  virtual void anim(float speed, int32_t from, int32_t to, int32_t plays);
  // Resumes unless the counter has finished its plays.
  virtual void play();
  virtual void pause();
  // Rewinds to the first frame of the direction and plays `plays` passes
  // (ANIM_LOOP or ANIM_PINGPONG: forever).
  virtual void start(int32_t plays);
  virtual void stop();
  // The sign is the direction.
  virtual void speed(float value) { _speed = value; }
  virtual float getSpeed() const { return _speed; }
  // At most one frame step per call; the time left over carries to the next.
  virtual void update(float delta);
  virtual void _next();
  virtual void _prev();
  virtual int32_t frame() const { return _n; }
  virtual int32_t frame0() const { return _n0; }
  virtual int32_t frame1() const { return _n1; }
  // Unchecked: frames outside the range are clamped by whoever draws them.
  virtual void go(int32_t frame) { _n = frame; }

  int32_t _play = 0;
  float _speed = 0.0f;
  float _time = 0.0f;  // progress toward the next step, 0..1
  int32_t _anim = 0;   // passes left: N > 0, ANIM_LOOP, ANIM_PINGPONG, or 0 when finished
  int32_t _n = 0;
  int32_t _n0 = 0;
  int32_t _n1 = 0;
};

}  // namespace vandrell
