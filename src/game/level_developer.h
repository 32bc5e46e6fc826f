// Developer keys over a running level, for content creators. The owner of
// the level wires it in (above everything it draws) when the game runs on
// loose files:
// - F5 loads the level anew from its files, so an edited file shows at once;
// - F6 outlines the hit shape of every visible pic, with its name: yellow
//   where a click does something, grey where it does not (or the location
//   takes no clicks). Over them it shows what levelcheck measures of every
//   hidden thing that shows (findability.h): the outline of what is seen of
//   it and its hint point, in the colour of its grade (green easy, amber
//   medium, red hard), with the grade and the share seen. The things are
//   measured again whenever one of them comes, goes or moves, and every
//   second for what else may cover them (texts, other locations).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/findability.h"
#include "gui/input_messages.h"
#include "gui/object.h"
#include "gui/typed_message.h"
#include "platform/image.h"

namespace vandrell {

class tLevel;
class tLocation;

class tLevelDeveloper : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelDeveloper, tGuiObject, &tLevelDeveloper::GUIMSG_KEYDOWN, &tLevelDeveloper::GUIMSG_UPDATE,
                     &tLevelDeveloper::GUIMSG_RENDER)

 public:
  static constexpr int32_t KEY_RELOAD = 116;  // F5
  static constexpr int32_t KEY_SHAPES = 117;  // F6
  // Seconds between two measures of the hidden things while nothing moved.
  static constexpr float _measurePeriod = 1.0f;

  // `reload` frees the running level and loads its folder again.
  explicit tLevelDeveloper(std::function<void()> reload) : _reload(std::move(reload)) {}

  // The level whose shapes are shown; the owner names each new one.
  virtual void level(const std::shared_ptr<tLevel>& level);
  virtual void showShapes(int32_t on);
  virtual int32_t isShowShapes() const { return _shapes; }
  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg);
  // Measures the hidden things when they changed while the shapes show.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
  // The outlines and names of the pics of every shown location, in window
  // pixels.
  virtual void renderShapes(const tLevel& level);
  virtual void renderShapes(const tLocation& location);
  // The hidden things as last measured.
  const std::vector<tFindability::tThing>& things() const { return _things; }

 protected:
  // The hidden things of the shown locations that show, measured anew.
  void measure(tLevel& level);
  // What the measures depend on: which things show where.
  static std::string sightOf(const tLevel& level);
  void renderThings();

  std::function<void()> _reload;
  std::weak_ptr<tLevel> _level;
  int32_t _shapes = 0;
  std::vector<tFindability::tThing> _things;
  std::string _sight;
  float _age = 0.0f;
  // The outlines of what shows of the things, over the whole window.
  TImagePtr _outlines;
};

}  // namespace vandrell
