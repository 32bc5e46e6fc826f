#include "game/level_developer.h"

#include "game/level.h"
#include "gui/color.h"
#include "platform/draw.h"
#include "scene/pic_image.h"
#include "scene/pic_visual.h"

namespace vandrell {

int32_t tLevelDeveloper::GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
  if (msg.key() == KEY_SHAPES) showShapes(_shapes ? 0 : 1);
  // Last: reloading frees the level, whose objects may still get this key.
  if (msg.key() == KEY_RELOAD && _reload) _reload();
  return 0;
}

int32_t tLevelDeveloper::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  if (const auto level = _level.lock(); level && _shapes) renderShapes(*level);
  return 0;
}

void tLevelDeveloper::renderShapes(const tLevel& level) {
  SetTransform(0.0f, 1.0f, 1.0f);
  for (const tLocationLayer* layer : {&level.layer0(), &level.layer1()}) {
    for (const auto& member : layer->order()) {
      const auto location = std::dynamic_pointer_cast<tLocation>(member);
      if (location && location->isShow()) renderShapes(*location);
    }
  }
}

void tLevelDeveloper::renderShapes(const tLocation& location) {
  const tColorfPtr live = tColorf::CreateRGB(1.0f, 0.9f, 0.1f, ALPHABLEND);
  const tColorfPtr dead = tColorf::CreateRGB(0.6f, 0.6f, 0.6f, ALPHABLEND);
  for (const auto& member : location.pics().order()) {
    const auto pic = std::dynamic_pointer_cast<tPicImage>(member);
    if (!pic || !pic->visual().isVisible()) continue;
    const tGuiImage& visual = pic->visual();
    const tPoly outline = pic->poly() ? PlacePicPoly(*pic->poly(), visual.h(), visual.v()) : visual.footprint();
    (location.isEnable() && visual.keepsTreat() ? live : dead)->Setup();
    outline.Draw();
    const tRect box = outline.GetProfile();
    DrawText(pic->id(), box.x, box.y);
  }
}

}  // namespace vandrell
