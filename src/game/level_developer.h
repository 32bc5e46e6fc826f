// Developer keys over a running level, for content creators. The owner of
// the level wires it in (above everything it draws) when the game runs on
// loose files:
// - F5 loads the level anew from its files, so an edited file shows at once;
// - F6 outlines the hit shape of every visible pic, with its name: yellow
//   where a click does something, grey where it does not (or the location
//   takes no clicks).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "gui/input_messages.h"
#include "gui/object.h"
#include "gui/typed_message.h"

namespace vandrell {

class tLevel;
class tLocation;

class tLevelDeveloper : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelDeveloper, tGuiObject, &tLevelDeveloper::GUIMSG_KEYDOWN, &tLevelDeveloper::GUIMSG_RENDER)

 public:
  static constexpr int32_t KEY_RELOAD = 116;  // F5
  static constexpr int32_t KEY_SHAPES = 117;  // F6

  // `reload` frees the running level and loads its folder again.
  explicit tLevelDeveloper(std::function<void()> reload) : _reload(std::move(reload)) {}

  // The level whose shapes are shown; the owner names each new one.
  virtual void level(const std::shared_ptr<tLevel>& level) { _level = level; }
  virtual void showShapes(int32_t on) { _shapes = on; }
  virtual int32_t isShowShapes() const { return _shapes; }
  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg);
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
  // The outlines and names of the pics of every shown location, in window
  // pixels.
  virtual void renderShapes(const tLevel& level);
  virtual void renderShapes(const tLocation& location);

 protected:
  std::function<void()> _reload;
  std::weak_ptr<tLevel> _level;
  int32_t _shapes = 0;
};

}  // namespace vandrell
