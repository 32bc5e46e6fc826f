// The resist meter: a timed challenge at the top of the play screen. A
// script starts it with a duration, a message and a colour; it slides down
// from above the screen, its frame grows once it has arrived, and its bar
// empties over the duration. Running out hides it and runs the fail command.
// The countdown waits while a script pauses it, while an on-screen text is
// shown and while the journal is open. One meter exists per level; the level
// holds it, and so does the panel: while the panel is shown every frame's
// update reaches the meter twice, and each moves it on, so the bar empties in
// half the time asked for. It is drawn once a frame all the same, so that its
// translucent glow and tint look as painted whether the panel shows or not.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/color.h"
#include "gui/label.h"
#include "gui/object.h"
#include "platform/draw.h"
#include "resources/config.h"

namespace vandrell {

class tResist : public tGuiObject {
  VANDRELL_GUI_HOOKS(tResist, tGuiObject, &tResist::GUIMSG_UPDATE, &tResist::GUIMSG_RENDER)

 public:
  // Where the meter starts, above the screen, and where it rests.
  static constexpr float _x0 = 400.0f;
  static constexpr float _y0 = -50.0f;
  static constexpr float _x1 = 400.0f;
  static constexpr float _y1 = 45.0f;
  // Appearance change per second, in and out; frame growth per second.
  static constexpr float _fadeinSpeed = 1.0f;
  static constexpr float _fadeoutSpeed = 3.0f;
  static constexpr float _borderSpeed = 0.5f;

  // Hidden, its message in font 2.
  tResist();

  // The meter of the running level, or an idle stand-in.
  static tResist& Current();
  // A new meter, the current one from now on, for a new level to hold.
  static std::shared_ptr<tResist> Renew();

  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // Appearance and time outside 0..1 read as the nearest valid value, and a
  // rate that is not a non-negative number as 0.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  virtual void show();
  virtual void hide();
  // On screen or on its way in or out.
  virtual int32_t isShow() const;
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
  // Shows line 0 of the message; an id the level does not know keeps the
  // words shown so far.
  virtual void setMessage(const std::string& id);
  // Hides the meter and runs the fail command's next call.
  virtual void fail();
  // Paused by script, or waiting for an on-screen text or the journal.
  virtual int32_t isPause() const;
  virtual void pause(int32_t flag) { _pause = flag; }
  // Starts the meter full for `time` seconds, or hides it when `time` is not
  // above 0 (without failing).
  virtual void zeb_resist(float time, const std::string& idmessage, const std::string& failCommand, float r,
                          float g, float b);

  float fade() const { return _fade; }
  float borderScale() const { return _borderScale; }
  // The share of the time left, 1 full .. 0 run out.
  float timer() const { return _timer; }
  const tGuiLabel& label() const { return *_label; }

 protected:
  // The anchor of the meter in design units while it is showing.
  virtual float vAnchor() const { return _y0 + (_y1 - _y0) * _fade; }
  virtual void _paintShowing();
  virtual void _paintHiding();

  tColorfPtr _c = tColorf::CreateRGBA(1.0f, 1.0f, 1.0f, 1.0f, ALPHABLEND);
  std::shared_ptr<tGuiLabel> _label = std::make_shared<tGuiLabel>();
  float _fade = 0.0f;
  float _fadeTo = 0.0f;
  float _borderScale = 0.0f;
  float _timer = 0.0f;
  // Share of the time used per second: 1 / duration.
  float _timerSpeed = 0.0f;
  std::string _idmessage;
  std::string _failCommand;
  int32_t _pause = 0;
  // Drawn since the last update: the frame's second render draws nothing.
  bool _painted = false;
};

}  // namespace vandrell
