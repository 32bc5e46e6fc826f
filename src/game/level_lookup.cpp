// The running level's answers to lookups by name, and the handlers that act
// on one named command, pic, location or mission.
#include "core/settings.h"
#include "game/level.h"
#include "gui/hover_catchers.h"
#include "platform/log.h"
#include "scene/pic_image.h"
#include "scene/pic_label.h"
#include "script/condition.h"

namespace vandrell {

namespace {

template <class Map>
auto findIn(const Map& map, const std::string& name) -> decltype(map.begin()->second) {
  const auto found = map.find(name);
  return found == map.end() ? decltype(map.begin()->second){} : found->second;
}

template <class T>
std::shared_ptr<T> findWeak(const std::map<std::string, std::weak_ptr<T>>& map, const std::string& name) {
  return findIn(map, name).lock();
}

// The locations of a layer that are shown and enabled, in stacking order.
template <class Visit>
void eachLiveLocation(const tGuiSet& layer, Visit visit) {
  for (const auto& member : layer.order()) {
    const auto location = std::dynamic_pointer_cast<tLocation>(member);
    if (location && location->isShow() && location->isEnable()) visit(*location);
  }
}

}  // namespace

vandrell::tPicList tLevel::tagged(const std::string& tag) const {
  vandrell::tPicList pics;
  for (const auto& ref : findIn(_mtags, tag)) {
    if (const tPicPtr pic = ref.lock()) pics.push_back(pic);
  }
  return pics;
}

int32_t tLevel::M_PIC_FIND(vandrell::M_PIC_FIND& msg) {
  msg.answer(findWeak(_pics, msg.input()));
  return 0;
}

int32_t tLevel::M_PIC_FINDBYMISSION(vandrell::M_PIC_FINDBYMISSION& msg) {
  msg.answer(tagged(msg.input()));
  return 0;
}

int32_t tLevel::M_PICPARTICLE_FINDBYLOCATION(vandrell::M_PICPARTICLE_FINDBYLOCATION& msg) {
  if (const auto location = findIn(_locations, msg.input())) {
    msg.answer(std::static_pointer_cast<tGuiSet>(location->particles().shared_from_this()));
  }
  return 0;
}

int32_t tLevel::M_MISSION_FIND(vandrell::M_MISSION_FIND& msg) {
  msg.answer(_missions.find(msg.input()));
  return 0;
}

int32_t tLevel::M_MISSION_LIST(vandrell::M_MISSION_LIST& msg) {
  msg.answer(_missions.list());
  return 0;
}

int32_t tLevel::M_LOCATION_FIND(vandrell::M_LOCATION_FIND& msg) {
  msg.answer(findIn(_locations, msg.input()));
  return 0;
}

int32_t tLevel::M_COMMAND_FIND(vandrell::M_COMMAND_FIND& msg) {
  msg.answer(findWeak(_commands, msg.input()));
  return 0;
}

int32_t tLevel::M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg) {
  msg.answer(findIn(_cgroups, msg.input()));
  return 0;
}

int32_t tLevel::M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
  msg.answer(findIn(_messages, msg.input()));
  return 0;
}

int32_t tLevel::M_TXT_FIND(vandrell::M_TXT_FIND& msg) {
  vandrell::tTxtList txts;
  for (const auto& ref : findIn(_txttags, msg.input())) {
    if (const auto txt = ref.lock()) txts.push_back(txt);
  }
  msg.answer(txts);
  return 0;
}

int32_t tLevel::M_TXT_ISHOW(vandrell::M_TXT_ISSHOW& msg) {
  for (const auto& member : _txts->order()) {
    const auto txt = std::dynamic_pointer_cast<tTxt>(member);
    if (txt && txt->isShow()) {
      msg.answer(txt);
      break;
    }
  }
  return 0;
}

int32_t tLevel::M_COMMAND_PLAYCALL(vandrell::M_COMMAND_PLAYCALL& msg) {
  if (const tCommandPtr command = findWeak(_commands, msg.input())) command->playcall();
  return 0;
}

int32_t tLevel::M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
  if (const tCommandPtr command = findWeak(_commands, msg.input())) command->nextcall();
  return 0;
}

int32_t tLevel::M_COMMAND_START(vandrell::M_COMMAND_START& msg) {
  if (const tCommandPtr command = findWeak(_commands, msg.input())) command->start();
  return 0;
}

int32_t tLevel::M_COMMAND_CHECK(vandrell::M_COMMAND_CHECK&) {
  for (const auto& [id, location] : _locations) {
    if (!location->isShow() || !location->isEnable()) continue;
    // A condition's command may change the set it is in.
    const tGuiSet::tOrder commands = location->commands().order();
    for (const auto& member : commands) {
      if (const auto condition = std::dynamic_pointer_cast<tCondition>(member)) condition->check();
    }
  }
  return 0;
}

int32_t tLevel::M_COMMAND_EVAL(vandrell::M_COMMAND_EVAL& msg) {
  const auto command = tRunableCommand::Parse(msg.input());
  // In its set before it runs: a script done at once leaves the set again.
  _layer0->insert(command, std::to_string(genid()));
  command->nextcall();
  return 0;
}

int32_t tLevel::M_PIC_EVAL(vandrell::M_PIC_EVAL& msg) {
  const tPicPtr pic = msg.input();
  if (!pic) return 0;
  pic->free();
  // The pic keeps its name, which saves and scripts know it by, unless a
  // location of the layer bears it.
  if (!_layer0->insert(pic)) _layer0->insert(pic, std::to_string(genid()));
  return 0;
}

int32_t tLevel::M_PIC_OFFSET(vandrell::M_PIC_OFFSET& msg) {
  const auto dx = static_cast<float>(msg.dx());
  const auto dy = static_cast<float>(msg.dy());
  eachPic([&](tPic& pic) { pic.zeb_position(pic.zeb_property_x() + dx, pic.zeb_property_y() + dy); });
  tGuiHoverCatcher::Current().update();
  return 0;
}

int32_t tLevel::M_PIC_CURSOR(vandrell::M_PIC_CURSOR& msg) {
  eachLiveLocation(*_layer0, [&](const tLocation& location) {
    for (const auto& member : location.pics().order()) {
      const auto pic = std::dynamic_pointer_cast<tPicImage>(member);
      if (pic && pic->visual().isHover() && pic->getCursor() != 0) msg.answer({pic->getCursor()});
    }
  });
  return 0;
}

int32_t tLevel::M_LOCATION_PICTOTOP(vandrell::M_LOCATION_PICTOTOP& msg) {
  for (const auto& [id, location] : _locations) {
    location->pics().toTop(msg.input());
    location->particles().toTop(msg.input());
  }
  return 0;
}

int32_t tLevel::M_LOCATION_PAUSE(vandrell::M_LOCATION_PAUSE& msg) {
  _layer0->pause(1, msg.input());
  return 0;
}

int32_t tLevel::M_LOCATION_PAUSEOFF(vandrell::M_LOCATION_PAUSEOFF& msg) {
  _layer0->pause(0, msg.input());
  return 0;
}

int32_t tLevel::M_LEVEL_PAUSE(vandrell::M_LEVEL_PAUSE& msg) {
  pause(1, msg.input());
  return 0;
}

int32_t tLevel::M_LEVEL_PAUSEOFF(vandrell::M_LEVEL_PAUSEOFF& msg) {
  pause(0, msg.input());
  return 0;
}

int32_t tLevel::M_MISSION_SENDCURSOR(vandrell::M_MISSION_SENDCURSOR& msg) {
  if (const tMissionPtr& mission = msg.input()) {
    for (const tPicPtr& pic : tagged(mission->id())) {
      if (const auto image = std::dynamic_pointer_cast<tPicImage>(pic)) image->cursor(mission->cursor());
    }
  }
  return 0;
}

int32_t tLevel::M_MISSION_CLEARCURSOR(vandrell::M_MISSION_CLEARCURSOR& msg) {
  if (const tMissionPtr& mission = msg.input()) {
    for (const tPicPtr& pic : tagged(mission->id())) {
      if (const auto image = std::dynamic_pointer_cast<tPicImage>(pic)) image->cursor(0);
    }
  }
  return 0;
}

int32_t tLevel::M_MISSION_SENDCOUNTER(vandrell::M_MISSION_SENDCOUNTER& msg) {
  const tMissionPtr& mission = msg.input();
  if (!mission) return 0;
  const auto label = std::dynamic_pointer_cast<tPicLabel>(findWeak(_pics, mission->id() + "_c"));
  if (!label) return 0;
  label->settext("x" + std::to_string(mission->getCount()));
  if (mission->getCount() < 1) label->zeb_alphing(0.0f, 0.2f);
  return 0;
}

int32_t tLevel::M_MISSIONGROUP_CHECK(vandrell::M_MISSIONGROUP_CHECK&) {
  DebugLog("M_MISSIONGROUP_CHECK");
  tMissionGroup::applys(_mgroups);
  return 0;
}

int32_t tLevel::M_APP_RESUME(vandrell::M_APP_RESUME&) {
  if (tSettings::Current().FULLSCREEN) eachPic([&](tPic& pic) { pic.reloadSrc(_rm); });
  return 0;
}

}  // namespace vandrell
