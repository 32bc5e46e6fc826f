#include "hud/sos.h"

#include <algorithm>

#include "audio/audio.h"
#include "core/numeric.h"
#include "gui/app_messages.h"
#include "hud/level_wide.h"
#include "scene/pic.h"
#include "script/expr_book.h"

namespace vandrell {

tSos& tSos::Current() { return tLevelWide<tSos>::get(); }

void tSos::Renew(const std::shared_ptr<tSos>& sos) { tLevelWide<tSos>::set(sos); }

void tSos::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetFloat(section, "timer", _timer);
  config.SetInt(section, "counter", _counter);
  config.SetInt(section, "on", _on);
}

void tSos::loadInstant(const tConfigBase& config, const std::string& section) {
  _timer = clampf(0.0f, config.GetFloat(section, "timer", 0.0f), _reload);
  _counter = std::max(0, config.GetInt(section, "counter", 0));
  _on = config.GetInt(section, "on", 0);
}

int32_t tSos::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  _timer = approachf(_timer, 0.0f, msg.delta());
  return 0;
}

void tSos::sos() {
  if (_on == 0) {
    M_COMMAND_NEXTCALL::send("__sosinaccessible");
    return;
  }
  if (_timer > 0.0f) {
    M_COMMAND_NEXTCALL::send("__sosreload");
    return;
  }
  const std::shared_ptr<tPic> target = M_SOS::ask();
  if (!target) {
    M_COMMAND_NEXTCALL::send("__sosinaccessible");
    return;
  }
  if (_counter <= 0) {
    _timer = _reload;
  } else {
    --_counter;
    M_COMMAND_NEXTCALL::send("__soscounter");
    tAudio::Current().shout_addsos();
  }
  tExprBook::Current().set("__in", tExprObject::Create(target));
  M_COMMAND_NEXTCALL::send("__sos");
  tAudio::Current().shout_sos();
}

void tSos::add(int32_t n) {
  // Scripts may add any number; the count neither wraps nor goes below 0.
  const int64_t sum = int64_t{_counter} + n;
  _counter = static_cast<int32_t>(std::clamp<int64_t>(sum, 0, INT32_MAX));
  _timer = 0.0f;
}

}  // namespace vandrell
