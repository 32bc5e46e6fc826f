#include "scene/pic_mission_actions.h"

#include <string>

#include "platform/random.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/expr_book.h"

namespace vandrell {

float tZebAction_processbymission::exec() {
  const tPicList pics = missionPics(0);
  const tCommandPtr command = named<M_COMMAND_FIND>(1);
  if (pics.empty() || !command) return 0.0f;
  for (const tPicPtr& pic : pics) {
    tExprBook::Current().set("object_input", tExprObject::Create(pic));
    command->nextcall();
  }
  return 0.0f;
}

float tZebAction_objectbymission::exec() {
  const std::string name = variable(0);
  const tPicList pics = missionPics(1);
  if (name.empty() || pics.empty()) return 0.0f;
  const tPicPtr& picked = pics[static_cast<size_t>(Rand(0, static_cast<int32_t>(pics.size()) - 1))];
  tExprBook::Current().set(name, tExprObject::Create(picked));
  return 0.0f;
}

void RegisterPicMissionActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_gshowbymission);
  VANDRELL_ACTION(keywords, tZebAction_ghidebymission);
  VANDRELL_ACTION(keywords, tZebAction_genablebymission);
  VANDRELL_ACTION(keywords, tZebAction_gdisablebymission);
  VANDRELL_ACTION(keywords, tZebAction_showbymission);
  VANDRELL_ACTION(keywords, tZebAction_hidebymission);
  VANDRELL_ACTION(keywords, tZebAction_enablebymission);
  VANDRELL_ACTION(keywords, tZebAction_disablebymission);
  VANDRELL_ACTION(keywords, tZebAction_processbymission);
  VANDRELL_ACTION(keywords, tZebAction_objectbymission);
  VANDRELL_ACTION(keywords, tZebAction_cursorbymission);
}

}  // namespace vandrell
