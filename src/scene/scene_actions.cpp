#include "scene/scene_actions.h"

#include <string>

#include "scene/pic.h"
#include "script/action_keywords.h"

namespace vandrell {

namespace {
// Shows or hides the location, then plays the level's system command `after`.
void showLocation(const std::shared_ptr<tLocation>& location, int32_t on, const char* after) {
  if (!location) return;
  location->show(on);
  M_COMMAND_NEXTCALL::send(after);
}
}  // namespace

float tZebAction_applymission::exec() {
  const auto mission = named<M_MISSION_FIND>(0);
  if (mission && !mission->isComplete()) mission->apply(1);
  return 0.0f;
}

float tZebAction_completemission::exec() {
  const auto mission = named<M_MISSION_FIND>(0);
  if (mission && !mission->isComplete()) mission->complete(1);
  return 0.0f;
}

float tZebAction_showlocation::exec() {
  showLocation(named<M_LOCATION_FIND>(0), 1, "__sosstop");
  return 0.0f;
}

float tZebAction_hidelocation::exec() {
  showLocation(named<M_LOCATION_FIND>(0), 0, "__sosclear");
  return 0.0f;
}

float tZebAction_seta0::exec() {
  if (const auto pic = object<tPic>(0)) pic->zeb_seta0(number(1));
  return 0.0f;
}

float tZebAction_seta1::exec() {
  if (const auto pic = object<tPic>(0)) pic->zeb_seta1(number(1));
  return 0.0f;
}

void RegisterSceneActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_showmission);
  VANDRELL_ACTION(keywords, tZebAction_hidemission);
  VANDRELL_ACTION(keywords, tZebAction_enablemission);
  VANDRELL_ACTION(keywords, tZebAction_disablemission);
  VANDRELL_ACTION(keywords, tZebAction_applymission);
  VANDRELL_ACTION(keywords, tZebAction_completemission);
  VANDRELL_ACTION(keywords, tZebAction_showlocation);
  VANDRELL_ACTION(keywords, tZebAction_hidelocation);
  VANDRELL_ACTION(keywords, tZebAction_enablelocation);
  VANDRELL_ACTION(keywords, tZebAction_disablelocation);
  VANDRELL_ACTION(keywords, tZebAction_fadelocation);
  VANDRELL_ACTION(keywords, tZebAction_seta0);
  VANDRELL_ACTION(keywords, tZebAction_seta1);
}

}  // namespace vandrell
