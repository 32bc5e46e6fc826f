#include "scene/mission_property.h"

#include "gui/app_messages.h"
#include "gui/object.h"
#include "platform/process_wide.h"
#include "script/zeb_book.h"

namespace vandrell {

tMissionProperty& tMissionProperty::Current() { return tProcessWide<tMissionProperty>::get(); }

const std::shared_ptr<tMissionProperty>& tMissionProperty::shared() {
  return tProcessWide<tMissionProperty>::shared();
}

tMissionProperty& tMissionProperty::Renew() {
  tProcessWide<tMissionProperty>::exchange(std::make_shared<tMissionProperty>());
  return Current();
}

void tMissionProperty::hold(const tMissionPtr& mission) {
  if (isHold(mission.get())) return;
  if (const tMissionPtr previous = getHold(); previous && !previous->isComplete()) {
    M_COMMAND_PLAYCALL::send(previous->id() + "_off");
  }
  _hold = mission;
  tGuiObject::send(M_MISSION_MUTABLE{});
  if (mission) M_COMMAND_PLAYCALL::send(mission->id() + "_on");
}

tExprValuePtr tMissionProperty::zeb_property(const std::string& name) {
  if (name == "holding") return tExprNumber::Create(static_cast<float>(isHolding()));
  return tExprObject::Create(nullptr);
}

void AddMissionPropertyOwners() {
  static const bool added = [] {
    tZebExpr::addPropertyOwner(ZebPropertyOwner<tMissionProperty>());
    return true;
  }();
  static_cast<void>(added);
}

}  // namespace vandrell
