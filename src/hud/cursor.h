// The game's own mouse cursor, drawn last in every frame. Its shape follows
// what the pointer is over: links and buttons show the hover cursor, scene
// pictures choose their own cursor number, and while an item is held any
// shape but the normal one gives way to the hover cursor. A change between
// two scene shapes cross-fades; shapes 4 and 5 carry a bouncing attention
// mark; an item of the bottom row under the pointer shows its comment in a
// box beside the cursor. With the system pointer chosen in the options the
// cursor only switches that pointer between the arrow and the hand.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/app_messages.h"
#include "gui/label.h"
#include "gui/message.h"
#include "gui/object.h"
#include "resources/config.h"

namespace vandrell {

// A button of the HUD or the menus that, like a link, shows the hover cursor
// while it takes the pointer.
class tCursorButton {
 public:
  virtual ~tCursorButton() = default;
};

class tCursor : public tGuiObject {
  VANDRELL_GUI_HOOKS(tCursor, tGuiObject, &tCursor::GUIMSG_RENDER, &tCursor::M_CURSOR_RENDER,
                     &tCursor::GUIMSG_UPDATE, &tCursor::M_CURSOR_LOCK, &tCursor::M_CURSOR_UNLOCK)

 public:
  // Cross-fade between two shapes, per second.
  static constexpr float _fadeSpeed = 6.0f;

  tCursor();

  // The one cursor, made on first use; the game holds it in its set through
  // shared().
  static tCursor& Current();
  static const std::shared_ptr<tCursor>& shared();

  // Key "lock".
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  // While locked, scene pictures cannot change the shape.
  virtual void lock(int32_t flag) { _lock = flag; }
  // 0 hides the cursor while the pointer is over a scene picture.
  virtual void show(int32_t flag) { _show = flag; }

  // Picks the shape and the comment for the object under the pointer; draws
  // nothing.
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
  // Draws the comment and the cursor at the pointer (window pixels).
  virtual int32_t M_CURSOR_RENDER(vandrell::M_CURSOR_RENDER& msg);
  virtual void drawCursor(int32_t n, float x, float y);
  virtual void drawComment(float x, float y);
  // Advances the cross-fade and the attention mark's bounce.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // -3 is the normal cursor. Among the normal, hover and hand cursors the
  // shape changes at once; to or from a scene's own shape it cross-fades.
  virtual void setupCursor(int32_t n);
  virtual int32_t M_CURSOR_LOCK(vandrell::M_CURSOR_LOCK& msg);
  virtual int32_t M_CURSOR_UNLOCK(vandrell::M_CURSOR_UNLOCK& msg);

  int32_t isLock() const { return _lock; }
  int32_t isShow() const { return _show; }
  // Whether this frame draws the cursor.
  int32_t isVisible() const { return _visible; }
  int32_t cursor() const { return _cursor; }
  int32_t fadeCursor() const { return _fadeCursor; }
  float fade() const { return _fade; }
  // The attention mark's place in its bounce, 0 to 1.
  float pulse() const { return _pulse; }
  const std::string& comment() const { return _comment->getValue(); }

 protected:
  int32_t _lock = 0;
  int32_t _cursor = 0;
  int32_t _fadeCursor = 0;
  float _fade = 1.0f;
  // The attention mark bounces between two ends: position 0..1, speed and
  // acceleration per second, and the distance between the ends in pixels.
  float _pulse = 0.0f;
  float _pulseSpeed = 0.0f;
  float _pulseF = 50.0f;
  float _pulseDelta = 6.0f;
  // Where the attention mark sits from the pointer, in design units.
  int32_t _xPulse = 16;
  int32_t _yPulse = 16;
  std::shared_ptr<tGuiLabel> _comment = std::make_shared<tGuiLabel>();
  int32_t _show = 1;
  int32_t _visible = 1;
};

}  // namespace vandrell
