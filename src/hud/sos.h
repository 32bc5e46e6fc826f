// The hint counter. A hint costs nothing while the player holds extra hints
// (earned in earlier levels or from scripts); otherwise using one starts a
// recharge of 60 seconds of play before the next. The hint itself is the
// level scripts' "__sos" command, which finds the pic to point at in the
// script variable "__in". It lives in the bottom panel, so its recharge runs
// only while the panel is shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/object.h"
#include "resources/config.h"

namespace vandrell {

class tSos : public tGuiObject {
  VANDRELL_GUI_HOOKS(tSos, tGuiObject, &tSos::GUIMSG_UPDATE)

 public:
  // Seconds between two free hints.
  static constexpr float _reload = 60.0f;

  // The hint counter of the running level, or an idle stand-in.
  static tSos& Current();
  // Makes `sos` the current one.
  static void Renew(const std::shared_ptr<tSos>& sos);

  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // A recharge outside 0..60 seconds reads as the nearest valid value, a
  // negative count as none.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  // Whether hints can be had at all.
  virtual void on(int32_t flag) { _on = flag; }
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // Asks the level for a pic to point at and runs the hint: "__sos", with
  // "__soscounter" when it used an extra hint. Instead, "__sosreload" while
  // recharging and "__sosinaccessible" while hints are off or the level has
  // nothing to point at; those change nothing.
  virtual void sos();
  // Gains (or loses) extra hints; receiving any ends the recharge.
  virtual void add(int32_t n);
  virtual int32_t count() const { return _counter; }
  // Seconds left before the next free hint; 0 when ready.
  virtual float timer() const { return _timer; }

 protected:
  float _timer = 0.0f;
  int32_t _counter = 0;
  int32_t _on = 1;
};

}  // namespace vandrell
