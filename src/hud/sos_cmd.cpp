#include "hud/sos_cmd.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "gui/formatter.h"
#include "hud/journal.h"
#include "hud/level_wide.h"
#include "hud/sos.h"
#include "platform/image.h"
#include "resources/media_lookup.h"

namespace vandrell {

namespace {

// The extra hints sit left of the centre and a little below it.
constexpr float COUNTER_LEFT = 15.0f;
constexpr float COUNTER_DOWN = 2.5f;

}  // namespace

tSosCmd::tSosCmd() : tPanelCmd("sos", 700.0f, 580.0f, 50.0f, 25.0f), _border(_picture("data/sos_bg.png", FILTEREDIMAGE)) {
  _timer->letter(tFile::Current().letter("data/1/font", rmDefault()), 0);
  _timer->hotspot(0.5f, 0.5f);
  _timer->move(h(), v(), 0);
  set()->insert(_timer);
  _border->move(h(), v(), 0);
  set()->insertBottom(_border);
  _counter->letter(tFile::Current().letter("data/2/font", rmDefault()), 0);
  _counter->color()->SetRGB(1.0f, 0.0f, 0.0f);
  _counter->hotspot(1.0f, 0.0f);
  _counter->move(h() - COUNTER_LEFT, v() + COUNTER_DOWN, 0);
  set()->insertBottom(_counter);
}

tSosCmd& tSosCmd::Current() { return tLevelWide<tSosCmd>::get(); }

int32_t tSosCmd::isEnable() const { return tPanelCmd::isEnable() && !tJournal::Current().isShow() ? 1 : 0; }

int32_t tSosCmd::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const float delta = msg.delta();
  const float rate = _hoverSpeed * delta;
  const tSos& sos = tSos::Current();
  const int32_t usable = isEnable();
  const bool recharging = sos.timer() > 0.0f;
  _fadePictures(rate, usable && !recharging ? 1 : 0);

  _borderScale = approachf(_borderScale, recharging ? 0.0f : 1.0f, _borderSpeed * delta);
  _border->resetScale();
  _border->scale(_borderScale, _borderScale);
  _border->color()->a = approachf(_border->color()->a, _alphaTarget(usable), rate);
  _border->visible(_borderScale > 0.0f ? 1 : 0);

  _timer->value(tSf::Create("%.2d").d(roundi(sos.timer())).sf());
  _timer->visible(recharging ? 1 : 0);

  _counter->value(tSf::Create("%dx").d(sos.count()).sf());
  _counter->color()->a = approachf(_counter->color()->a, _alphaTarget(usable), rate);
  _counter->visible(sos.count() > 0 ? 1 : 0);
  return 0;
}

int32_t tSosCmd::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  if (!_pressed(msg, 1)) return 0;
  tAudio::Current().shout_click();
  tSos::Current().sos();
  return 0;
}

}  // namespace vandrell
