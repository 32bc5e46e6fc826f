#include "gui/anim.h"

#include <algorithm>
#include <cmath>

namespace vandrell {

tAnim::tAnim() {
  anim(0.0f, 0, 0, 1);
  pause();
}

tAnimPtr tAnim::copy() const { return std::make_shared<tAnim>(*this); }

void tAnim::anim(float speed, int32_t from, int32_t to, int32_t plays) {
  if (from < to) {
    _speed = std::abs(speed);
    _n0 = from;
    _n1 = to;
  } else {
    _speed = -std::abs(speed);
    _n0 = to;
    _n1 = from;
  }
  start(plays);
}

void tAnim::play() { _play = _anim != 0 ? 1 : 0; }

void tAnim::pause() { _play = 0; }

void tAnim::start(int32_t plays) {
  _anim = plays;
  if (_speed > 0.0f) {
    _n = _n0;
    _time = 0.0f;
  } else {
    _n = _n1;
    _time = 1.0f;
  }
  play();
}

void tAnim::stop() {
  _n = _n0;
  pause();
}

void tAnim::update(float delta) {
  const float step = delta * _speed;
  if (!_play || step == 0.0f) return;
  _time += step;
  if (_speed > 0.0f && _time >= 1.0f) {
    _time -= 1.0f;
    _next();
  } else if (_speed < 0.0f && _time <= 0.0f) {
    _time += 1.0f;
    _prev();
  }
}

// A pass count that save files or scripts made negative in some other way
// than the two forever modes loops like ANIM_LOOP rather than running past
// the range for good.
void tAnim::_next() {
  // Compared before stepping so that a frame set far out by go() cannot overflow.
  if (_n < _n1) {
    ++_n;
    return;
  }
  if (_anim > 0) --_anim;
  if (_anim == 0) {
    _n = _n1;
    _play = 0;
  } else if (_anim == ANIM_PINGPONG) {
    _n = std::max(_n0, _n1 - 1);
    _speed = -_speed;
    _time = 1.0f - _time;
  } else {
    _n = _n0;
  }
}

void tAnim::_prev() {
  if (_n > _n0) {
    --_n;
    return;
  }
  if (_anim > 0) --_anim;
  if (_anim == 0) {
    _n = _n0;
    _play = 0;
  } else if (_anim == ANIM_PINGPONG) {
    _n = std::min(_n1, _n0 + 1);
    _speed = -_speed;
    _time = 1.0f - _time;
  } else {
    _n = _n1;
  }
}

}  // namespace vandrell
