#include "game/level.h"

#include "audio/audio.h"
#include "hud/play_hud.h"
#include "scene/mission_property.h"
#include "scene/pic_property.h"
#include "script/expr_book.h"

namespace vandrell {

tLevel::tLevel() {
  tPicProperty::Renew();
  tMissionProperty::Renew();
  _bg->color()->SetA(_shade);
  insert(_layer0);
  buildHud();
  insert(_txts);
  insert(_layer1);
  insert(_bg);
}

void tLevel::buildHud() { RenewPlayHud(*this, _items); }

void tLevel::clear() {
  _rm.Clear();
  for (const auto& [id, location] : _locations) location->clear();
  _locations.clear();
  for (tGuiSet* set : std::initializer_list<tGuiSet*>{_layer0.get(), _layer1.get(), _sys0.get(), _sys1.get(),
                                                      _sys2.get()}) {
    set->clear();
  }
  _pics.clear();
  _commands.clear();
  _cgroups.clear();
  _missions.clear();
  _mtags.clear();
  _messages.clear();
  _txttags.clear();
  tExprBook::Current().clear();
  // The fade to black paused them for this level only.
  tAudio::Current().pauseMusic(0, this);
  tAudio::Current().pauseSound(0, this);
  tGuiSet::clear();
}

}  // namespace vandrell
