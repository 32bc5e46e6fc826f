// The universal button scripts pop up over the scene: a text on a round face
// inside a frame. It grows in from nothing, can be clicked only once it has
// fully appeared, tightens its frame slowly while under the pointer, and on
// a click shrinks away and plays its script command. One exists per level,
// made with the level and held in it just above the scene.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/input_messages.h"
#include "gui/message.h"
#include "gui/text_box.h"
#include "hud/cursor.h"
#include "resources/config.h"

namespace vandrell {

class tUnibutton : public tGuiText, public tCursorButton {
  VANDRELL_GUI_HOOKS(tUnibutton, tGuiText, &tUnibutton::GUIMSG_UPDATE, &tUnibutton::GUIMSG_MOUSEDOWN)

 public:
  // Appearance per second.
  static constexpr float _fadeSpeed = 3.0f;
  // The frame's scale: per second, and its ends, small under the pointer.
  static constexpr float _borderSpeed = 0.5f;
  static constexpr float _borderMax = 0.95f;
  static constexpr float _borderMin = 0.85f;
  // The text's width in design units.
  static constexpr float _textWidth = 100.0f;

  // Hidden, centred on its position, in the first font with its lines
  // drawn closer together.
  tUnibutton();

  // The current level's button; a fresh one while no level made its own.
  static tUnibutton& Current();
  static bool Exists();
  // A fresh button for a new level, which inserts it into its set.
  static const std::shared_ptr<tUnibutton>& Renew();

  // Keys "border", "fade", "fadeTo", "idcommand", "idmessage", "h", "v".
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // Puts the button back where it was and reads its text again.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // The lines of the message `_idmessage` become the text, when the level
  // has that message.
  virtual void refresh();
  // Grows in at (x, y), design units.
  virtual void fadein(float x, float y);
  virtual void fadeout();
  // A press of the first button while the button is shown and under the
  // pointer plays its command once and sends the button away.
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
  // (x, y) in scene coordinates, as scripts write them.
  virtual void zeb_unibutton(const std::string& idmessage, int32_t x, int32_t y, const std::string& idcommand);
  virtual void zeb_offunibutton();

  // Only a fully grown button takes the pointer.
  int32_t hovering(float x, float y) override;
  int32_t isVisible() const override;
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override;
  void _paint() override;

  float fade() const { return _fade; }
  float borderScale() const { return _borderScale; }
  const std::string& idcommand() const { return _idcommand; }
  const std::string& idmessage() const { return _idmessage; }

 protected:
  float _fade = 0.0f;
  float _fadeTo = 0.0f;
  float _borderScale = 0.425f;
  std::string _idcommand;
  std::string _idmessage;
};

}  // namespace vandrell
