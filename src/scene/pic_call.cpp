#include "scene/pic_call.h"

namespace vandrell {

tPicList tPicAction::missionPics(int32_t i) {
  tPicList pics = M_PIC_FINDBYMISSION::ask(variable(i));
  if (pics.empty()) named<M_MISSION_FIND>(i);
  return pics;
}

}  // namespace vandrell
