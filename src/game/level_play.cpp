// The running level's play: the shade, pausing, the end of the level, clicks
// on pics and the hint's target.
#include <set>

#include "audio/audio.h"
#include "core/numeric.h"
#include "game/level.h"
#include "gui/hover_catchers.h"
#include "platform/log.h"
#include "resources/profile.h"
#include "scene/pic_image.h"
#include "scene/pic_property.h"

namespace vandrell {

void tLevel::pause(int32_t on, tPauseOwner key) {
  _pause.pause(on != 0, key);
  setupFilter();
}

void tLevel::setupFilter() {
  std::shared_ptr<tGuiMessageFilter> wanted;
  if (isPause()) {
    wanted = _fPause;
  } else if (_shadeTo >= 1.0f) {
    wanted = _fDisable;
  }
  if (getFilter() != wanted) filter(wanted);
}

int32_t tLevel::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  tPicProperty::Current().layoutAttach();
  _shade = approachf(_shade, _shadeTo, _shadeSpeed * msg.delta());
  _bg->color()->SetA(_shade);
  // Input stops from the first frame of a fade to black, and comes back
  // only with the next level; a pause released meanwhile keeps it stopped.
  setupFilter();
  if (_shade >= 1.0f && _shadeTo >= 1.0f && _shadeMessage) tGuiObject::send(*_shadeMessage);
  tGuiTreatCatcher::Current().update();
  return 0;
}

void tLevel::fadeOut(std::shared_ptr<tGuiMessage> message) {
  _shadeTo = 1.0f;
  _shadeMessage = std::move(message);
  tAudio::Current().pauseMusic(1, this);
  tAudio::Current().pauseSound(1, this);
  setupFilter();
}

int32_t tLevel::M_LEVEL_COMPLETE(vandrell::M_LEVEL_COMPLETE&) {
  tGuiObject::send(M_GAME_PROGRESS{});
  fadeOut(std::make_shared<M_GAME_NEXTLEVEL>());
  return 0;
}

int32_t tLevel::M_LEVEL_FASTCOMPLETE(vandrell::M_LEVEL_FASTCOMPLETE&) {
  tGuiObject::send(M_GAME_PROGRESS{});
  tGuiObject::send(M_GAME_NEXTLEVEL{});
  return 0;
}

int32_t tLevel::M_LEVEL_FAIL(vandrell::M_LEVEL_FAIL&) {
  tGuiObject::send(M_GAME_FAIL{});
  return 0;
}

int32_t tLevel::M_LEVEL_EXTRA(vandrell::M_LEVEL_EXTRA&) {
  tGuiObject::send(M_GAME_SAVE{});
  fadeOut(std::make_shared<M_GAME_EXTRA>());
  tProfile::Current().saveProfile();
  return 0;
}

int32_t tLevel::M_LEVEL_GAME(vandrell::M_LEVEL_GAME&) {
  fadeOut(std::make_shared<M_GAME_GAME>());
  return 0;
}

int32_t tLevel::M_PIC_CLICK(vandrell::M_PIC_CLICK& msg) {
  const auto found = _pics.find(msg.input());
  const auto pic = found == _pics.end() ? nullptr : std::dynamic_pointer_cast<tPicImage>(found->second.lock());
  if (!pic) return 0;
  DebugLog("M_PIC_CLICK: " + msg.input());
  const tMissionList accepting = tMissionBook::accepting(pic->missions());
  if (const tCommandPtr fa = pic->fa()) fa->playcall();
  if (accepting.empty()) {
    M_COMMAND_NEXTCALL::send("__mistake");
    return 0;
  }
  M_COMMAND_NEXTCALL::send("__resetmistake");
  if (pic->hidetype() == HIDETYPE_SLOW) {
    pic->zeb_hideslow();
  } else if (pic->hidetype() == HIDETYPE_NOW) {
    pic->zeb_hide();
  }
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  if (const tCommandPtr a = pic->a()) a->playcall();
  _missions.apply(accepting);
  tGuiObject::send(vandrell::M_MISSIONGROUP_CHECK{});
  return 0;
}

int32_t tLevel::M_SOS(vandrell::M_SOS& msg) {
  std::set<const tPic*> candidates;
  for (const auto& [id, location] : _locations) {
    if (!location->isShow() || !location->isEnable()) continue;
    for (const auto& member : location->pics().order()) {
      const auto pic = std::dynamic_pointer_cast<tPic>(member);
      if (pic && pic->sosAvail()) candidates.insert(pic.get());
    }
  }
  for (const tMissionPtr& mission : _missions.list()) {
    if (!mission->sosAvail()) continue;
    for (const tPicPtr& pic : tagged(mission->id())) {
      if (candidates.count(pic.get())) {
        msg.answer(pic);
        return 0;
      }
    }
  }
  return 0;
}

}  // namespace vandrell
