#include "scene/item_mission_actions.h"

#include "core/numeric.h"
#include "gui/app_messages.h"
#include "scene/mission_property.h"
#include "script/action_keywords.h"

namespace vandrell {

std::shared_ptr<tItemMission> tItemMissionAction::itemMission() {
  const auto mission = std::dynamic_pointer_cast<tItemMission>(M_MISSION_FIND::ask(variable(0)));
  if (!mission) reportNothingNamed(0);
  return mission;
}

float tZebAction_txtmission::exec() {
  if (const auto mission = itemMission()) mission->message(variable(1));
  return 0.0f;
}

float tZebAction_fakemission::exec() {
  if (const auto mission = itemMission()) mission->fake(trunci(number(1)));
  return 0.0f;
}

float tZebAction_addfakemission::exec() {
  if (const auto mission = itemMission()) mission->addFake(trunci(number(1)));
  return 0.0f;
}

float tZebAction_dragoff::exec() {
  tMissionProperty::Current().hold(nullptr);
  return 0.0f;
}

void RegisterItemMissionActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_txtmission);
  VANDRELL_ACTION(keywords, tZebAction_fakemission);
  VANDRELL_ACTION(keywords, tZebAction_addfakemission);
  VANDRELL_ACTION(keywords, tZebAction_dragoff);
}

}  // namespace vandrell
