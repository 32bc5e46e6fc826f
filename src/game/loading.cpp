#include "game/loading.h"

#include <algorithm>

#include "gui/color.h"
#include "platform/clock.h"
#include "platform/event.h"
#include "platform/image.h"
#include "platform/window.h"
#include "resources/media_lookup.h"
#include "resources/strings.h"

namespace vandrell {

namespace {

// A long load must not look like a hung program to the desktop: the system's
// events are moved into the queue (not handled) whenever a frame is shown.
void present() {
  Flip(0);
  PumpEvents();
}

}  // namespace

void tQuietLoading::interrupt() {
  Cls();
  present();
}

tProgressLoading::tProgressLoading() {
  CentreHandlesOnLoad(0);
  const tFile& media = tFile::Current();
  _anim->animPixmap(media.pixmap("data/loading.png", rmNull()), 256, 256, 0, 51, -1);
  _anim->resetScale();
  _anim->hotspot(0.5f, 0.9f);
  _anim->move(400.0f, 350.0f, 0);
  _anim->anim()->anim(10.0f, 0, 50, ANIM_LOOP);
  _title->letter(media.letter("data/1/font", rmDefault()), -1);
  _title->value(tStrings::Current().get("loading", "title"));
  _title->hotspot(0.5f, 0.0f);
  _title->move(400.0f, 350.0f, 0);
  restart();
  render();
}

void tProgressLoading::restart() {
  _timer = Milliseconds();
  _anim->anim()->stop();
  _anim->anim()->play();
  _frame = _anim->anim()->frame();
}

void tProgressLoading::interrupt() {
  const int32_t now = Milliseconds();
  const int32_t elapsed = now - _timer;
  _timer = now;
  const float speed = _anim->anim()->getSpeed();
  const int32_t step = std::clamp(elapsed, 0, speed > 0.0f ? static_cast<int32_t>(1000.0f / speed) : 0);
  _anim->anim()->update(static_cast<float>(step) / 1000.0f);
  if (_anim->anim()->frame() != _frame) {
    _frame = _anim->anim()->frame();
    render();
  }
}

void tProgressLoading::render() {
  Cls();
  _anim->render();
  _title->render();
  present();
}

}  // namespace vandrell
