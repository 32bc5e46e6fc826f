// An on-screen text: one line of one message of the level's message table,
// shown over the scene on a dark background. Called up at a point (often the
// pointer), it flies to its resting place while it grows and fades in, waits
// for a click anywhere, then slides off sideways and fades out. Texts live in
// the level's text layer (txt_layer.h), which draws every background before
// any words. Scripts hold texts as object values and call the zeb_ operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/app_messages.h"
#include "gui/input_messages.h"
#include "gui/label.h"
#include "resources/config.h"
#include "script/object.h"

namespace vandrell {

class tTxt : public tGuiLabel, public tObject {
  VANDRELL_GUI_HOOKS(tTxt, tGuiLabel, &tTxt::GUIMSG_UPDATE, &tTxt::M_TXT_RENDER0, &tTxt::M_TXT_RENDER1,
                     &tTxt::GUIMSG_MOUSEDOWN, &tTxt::M_TXT_HIDE)

 public:
  // Width of one background tile, in design units.
  static constexpr float _wBg = 180.0f;
  // Appearance change per second of frame time.
  static constexpr float _fadeSpeed = 3.0f;
  // Seconds between two automatic refreshes.
  static constexpr float _refreshPeriod = 0.1f;

  // Hidden, white, centred on its position; its background tiles face the
  // other way from those of the text made before it.
  tTxt();

  // The state a saved game keeps, in `section`: where the text was called up,
  // how far it has appeared, its message and its flags. The resting place,
  // the line and the font come from the level file, not from the save.
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // Does not refresh: the level refreshes every text once all is restored.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  // `id`: the message id, the record's source in lower case.
  virtual void loadSrc(const std::string& id);
  // The level file's parameter record: field 0 and 1 the resting place,
  // field 24 the font (1 to 4; any other number leaves the text without
  // one), field 25 the line of the message. A missing or malformed field
  // reads as 0.
  virtual void loadParams(const std::vector<std::string>& params);

  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // The text layer's first pass: the background.
  virtual int32_t M_TXT_RENDER0(vandrell::M_TXT_RENDER0& msg);
  // Its second pass: the words.
  virtual int32_t M_TXT_RENDER1(vandrell::M_TXT_RENDER1& msg);
  virtual void renderBg();
  virtual void _paintBg();
  // A press of any button on a fully shown text dismisses every fully shown text.
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
  // Texts still on their way in stay.
  virtual int32_t M_TXT_HIDE(vandrell::M_TXT_HIDE& msg);

  // Calls the text up at scene position (x, y) and starts the command named
  // after the message id with "_on"; nothing while already shown. A message
  // whose first line is empty is never shown but still starts its "_on" and
  // "_off" commands.
  virtual void show(int32_t x, int32_t y);
  // Sends a shown text off and starts the command of the message id + "_off".
  virtual void hide();
  // On screen or on its way in or out.
  virtual int32_t isShow() const;
  // Reads the line anew from the message table, so expressions show their
  // current values; "" when the table has no such message.
  virtual void refresh();

  virtual void zeb_txtupdate();
  virtual void zeb_txtautoupdateon();
  virtual void zeb_txtautoupdateoff();
  // Calls the text up at the pointer, once per level.
  virtual void zeb_txtm();
  // The same, even when it was called up before.
  virtual void zeb_txtmm();
  // Calls the text up at scene position (x, y), once per level.
  virtual void zeb_txtxy(int32_t x, int32_t y);
  virtual void zeb_settext(const std::string& id);

  // A shown text takes the pointer everywhere, above the scene.
  int32_t hovering(float x, float y) override;
  int32_t isVisible() const override;
  void _paint() override;

 protected:
  float _borderScale = 0.0f;
  // +1 or -1: the orientation of the first background tile.
  float _scale = 1.0f;
  // The resting place, in scene positions.
  int32_t _x0 = 0;
  int32_t _y0 = 0;
  // Where the text was called up, in scene positions.
  int32_t _x = 0;
  int32_t _y = 0;
  std::string _idmessage;
  int32_t _nline = 0;
  // 0 gone .. 1 fully shown, and where it is heading.
  float _fade = 0.0f;
  float _fadeTo = 0.0f;
  int32_t _shown = 0;
  int32_t _autorefresh = 0;
  float _refreshTime = 0.0f;

 private:
  // The orientation the next text takes; it alternates, so neighbouring
  // texts do not show the same tile.
  static inline float _nextScale = 1.0f;
};

}  // namespace vandrell
