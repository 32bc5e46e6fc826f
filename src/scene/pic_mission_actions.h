// The actions on the pics tagged with a mission: the same call on each, one
// command run for each, or one of them picked at random.
#pragma once

#include "scene/pic.h"
#include "scene/pic_call.h"
#include "scene/pic_image.h"

namespace vandrell {

using tZebAction_gshowbymission = tMissionPicsCall<tPic, &tPic::zeb_gshow>;
using tZebAction_ghidebymission = tMissionPicsCall<tPic, &tPic::zeb_ghide>;
using tZebAction_genablebymission = tMissionPicsCall<tPic, &tPic::zeb_genable>;
using tZebAction_gdisablebymission = tMissionPicsCall<tPic, &tPic::zeb_gdisable>;
using tZebAction_showbymission = tMissionPicsCall<tPic, &tPic::zeb_show>;
using tZebAction_hidebymission = tMissionPicsCall<tPic, &tPic::zeb_hide>;
using tZebAction_enablebymission = tMissionPicsCall<tPic, &tPic::zeb_enable>;
using tZebAction_disablebymission = tMissionPicsCall<tPic, &tPic::zeb_disable>;
using tZebAction_cursorbymission = tMissionPicsCall<tPicImage, &tPicImage::cursor, tPicArg::TRUNC>;

// "processobjectbymission=mission,command": for each pic in turn the
// variable "object_input" names it and the command is called, so each pic
// is handled as far as the command's first wait before the next one.
class tZebAction_processbymission : public tPicAction {
 public:
  float exec() override;
};

// "objectbymission=variable,mission": the variable names one of the
// mission's pics, picked at random; without pics it keeps its value.
class tZebAction_objectbymission : public tPicAction {
 public:
  float exec() override;
};

// Called by RegisterPicActions.
void RegisterPicMissionActions();

}  // namespace vandrell
