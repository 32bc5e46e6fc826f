#include "game/level_developer.h"

#include <cmath>

#include "game/level.h"
#include "gui/color.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "scene/pic_image.h"
#include "scene/pic_visual.h"

namespace vandrell {

namespace {

// The half length of the arms of a hint point's cross, in pixels.
constexpr float CROSS = 5.0f;

// Green, amber and red.
tColorf gradeColor(tFindability::tGrade grade) {
  tColorf color;
  switch (grade) {
    case tFindability::EASY:
      color.SetRGB(0.2f, 0.85f, 0.3f);
      break;
    case tFindability::MEDIUM:
      color.SetRGB(1.0f, 0.55f, 0.0f);
      break;
    default:
      color.SetRGB(0.95f, 0.15f, 0.15f);
      break;
  }
  color.SetBlending(ALPHABLEND);
  return color;
}

// The pixels of the region with a neighbour outside it, in `pixels`.
void outline(const tFindability::tMask& region, uint32_t argb, TPixmap& pixels) {
  for (int32_t y = region.y; y < region.y + region.h; ++y) {
    for (int32_t x = region.x; x < region.x + region.w; ++x) {
      const bool edge = region.at(x, y) && (!region.at(x - 1, y) || !region.at(x + 1, y) || !region.at(x, y - 1) ||
                                            !region.at(x, y + 1));
      if (edge && x >= 0 && y >= 0 && x < pixels.width && y < pixels.height) {
        pixels.WritePixel(x, y, static_cast<int32_t>(argb));
      }
    }
  }
}

}  // namespace

void tLevelDeveloper::level(const std::shared_ptr<tLevel>& level) {
  _level = level;
  _things.clear();
  _outlines.reset();
  _sight.clear();
}

void tLevelDeveloper::showShapes(int32_t on) {
  _shapes = on;
  // Measured afresh each time they show.
  _sight.clear();
}

int32_t tLevelDeveloper::GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
  if (msg.key() == KEY_SHAPES) showShapes(_shapes ? 0 : 1);
  // Last: reloading frees the level, whose objects may still get this key.
  if (msg.key() == KEY_RELOAD && _reload) _reload();
  return 0;
}

int32_t tLevelDeveloper::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const auto level = _level.lock();
  if (!level || !_shapes) return 0;
  _age += msg.delta();
  std::string sight = sightOf(*level);
  if (sight != _sight || _age >= _measurePeriod) {
    _sight = std::move(sight);
    _age = 0.0f;
    measure(*level);
  }
  return 0;
}

int32_t tLevelDeveloper::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  if (const auto level = _level.lock(); level && _shapes) {
    renderShapes(*level);
    renderThings();
  }
  return 0;
}

std::string tLevelDeveloper::sightOf(const tLevel& level) {
  std::string sight;
  for (const auto& [id, things] : tFindability::Things(level)) {
    if (!level.locations().at(id)->isShow()) continue;
    for (const auto& pic : things) {
      if (!pic->isShow()) continue;
      const tGuiImage& visual = pic->visual();
      sight += id + "/" + pic->id() + "@" + std::to_string(std::lround(visual.h())) + "," +
               std::to_string(std::lround(visual.v())) + ";";
    }
  }
  return sight;
}

void tLevelDeveloper::measure(tLevel& level) {
  _things.clear();
  for (const auto& [id, things] : tFindability::Things(level)) {
    if (!level.locations().at(id)->isShow()) continue;
    std::vector<std::shared_ptr<tPicImage>> shown;
    for (const auto& pic : things) {
      if (pic->isShow()) shown.push_back(pic);
    }
    for (tFindability::tThing& thing : tFindability::Measure(level, id, shown)) _things.push_back(std::move(thing));
  }
  const TPixmapPtr pixels = TPixmap::Create(GraphicsWidth(), GraphicsHeight());
  if (!pixels) return;
  for (const tFindability::tThing& thing : _things) {
    outline(thing.region, static_cast<uint32_t>(gradeColor(thing.grade()).GetInt()), *pixels);
  }
  _outlines = TImage::Load(pixels, 0);
  SetImageHandle(_outlines, 0.0f, 0.0f);
}

void tLevelDeveloper::renderThings() {
  SetTransform(0.0f, 1.0f, 1.0f);
  if (_outlines) {
    tColorf::CreateBright(ALPHABLEND)->Setup();
    DrawImage(_outlines, 0.0f, 0.0f);
  }
  for (const tFindability::tThing& thing : _things) {
    gradeColor(thing.grade()).Setup();
    DrawLine(thing.hintX - CROSS, thing.hintY, thing.hintX + CROSS, thing.hintY);
    DrawLine(thing.hintX, thing.hintY - CROSS, thing.hintX, thing.hintY + CROSS);
    const std::string figures = std::string(tFindability::GradeName(thing.grade())) + " " +
                                std::to_string(std::lround(thing.visiblePercent())) + "%";
    DrawText(figures, static_cast<float>(thing.region.x), static_cast<float>(thing.region.y + thing.region.h));
  }
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
