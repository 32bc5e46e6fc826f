// The menu tab in the top-right corner of a campaign level: clicking it or
// pressing Escape opens the in-game menu, and closes it again. Its brass
// edge tightens slowly while the pointer is on it, and its title lights up.
// The game hides it while levels load and shows it for campaign levels;
// scripts may hide it too.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/color.h"
#include "gui/form.h"
#include "gui/input_messages.h"
#include "gui/label.h"
#include "gui/message_filter.h"
#include "gui/picture.h"
#include "hud/cursor.h"

namespace vandrell {

class tMenuCmd : public tGuiForm, public tCursorButton {
  VANDRELL_GUI_HOOKS(tMenuCmd, tGuiForm, &tMenuCmd::GUIMSG_UPDATE, &tMenuCmd::GUIMSG_MOUSEDOWN,
                     &tMenuCmd::GUIMSG_KEYDOWN)

 public:
  // The edge's scale, per second, and its ends: small under the pointer.
  static constexpr float _borderSpeed = 0.5f;
  static constexpr float _borderMax = 1.0f;
  static constexpr float _borderMin = 0.9f;

  // 80 x 30 units in the top-right corner of the screen; starts hidden.
  tMenuCmd();

  // The one menu tab, made on first use; the game holds it in its set
  // through shared().
  static tMenuCmd& Current();
  static const std::shared_ptr<tMenuCmd>& shared();

  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
  // Escape that nothing took yet opens or closes the menu.
  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg);
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override;
  virtual void show();
  virtual void hide();
  virtual int32_t isShow() const { return isVisible(); }

  float borderScale() const { return _borderScale; }
  const std::shared_ptr<tGuiLabel>& title() const { return _title; }

 protected:
  // Opens the in-game menu, or closes it when it shows.
  void toggle();

  std::shared_ptr<tGuiPicture> _bg = std::make_shared<tGuiPicture>();
  std::shared_ptr<tGuiPicture> _bg2 = std::make_shared<tGuiPicture>();
  std::shared_ptr<tGuiPicture> _border = std::make_shared<tGuiPicture>();
  std::shared_ptr<tGuiLabel> _title = std::make_shared<tGuiLabel>();
  tColorfPtr _ncolor = tColorf::CreateRGB(0.7f, 0.5f, 1.0f, ALPHABLEND);
  tColorfPtr _hcolor = tColorf::CreateRGB(1.0f, 1.0f, 1.0f, ALPHABLEND);
  float _borderScale = 0.45f;
  // Lets nothing through to the pieces while the tab is hidden.
  std::shared_ptr<tGuiMessageFilter> _hidden = std::make_shared<tGuiMessageFilter>();
};

}  // namespace vandrell
