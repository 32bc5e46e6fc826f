#include "hud/panel.h"

#include <utility>

#include "gui/hover_catchers.h"
#include "gui/input_messages.h"
#include "hud/level_wide.h"
#include "resources/profile.h"

namespace vandrell {

tPanel::tPanel(std::shared_ptr<tItemLayer> items, std::shared_ptr<tResist> resist) : _items(std::move(items)) {
  _fEnable->add<vandrell::GUIMSG_RENDER, vandrell::GUIMSG_UPDATE, vandrell::GUIMSG_HOVER, vandrell::GUIMSG_TREAT,
                vandrell::GUIMSG_MOUSEDOWN, vandrell::GUIMSG_MOUSEUP>();
  filter(_fEnable);
  insert(_bg);
  if (resist) insert(resist);
  insert(_items);
  insert(_fg);
  // The hints the player kept from earlier levels.
  _sos->add(tProfile::Current().getSos());
  insert(_sos);
  insert(_journal);
  insert(_label);
  insert(_journalCmd);
  insert(_zoomCmd);
  insert(_sosCmd);
}

tPanel& tPanel::Current() { return tLevelWide<tPanel>::get(); }

std::shared_ptr<tPanel> tPanel::Renew(std::shared_ptr<tItemLayer> items, std::shared_ptr<tResist> resist) {
  auto panel = std::make_shared<tPanel>(std::move(items), std::move(resist));
  tLevelWide<tPanel>::set(panel);
  tSos::Renew(panel->_sos);
  tLevelWide<tJournal>::set(panel->_journal);
  tLevelWide<tJournalCmd>::set(panel->_journalCmd);
  tLevelWide<tZoomCmd>::set(panel->_zoomCmd);
  tLevelWide<tSosCmd>::set(panel->_sosCmd);
  return panel;
}

void tPanel::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetString(section, "label", _label->getValue());
  config.SetInt(section, "journal", _journalCmd->enabled());
  config.SetInt(section, "sos", _sosCmd->enabled());
  config.SetInt(section, "zoom", _zoomCmd->enabled());
}

void tPanel::loadInstant(const tConfigBase& config, const std::string& section) {
  _label->value(config.GetString(section, "label", ""));
  _journalCmd->enable(config.GetInt(section, "journal", 0));
  _sosCmd->enable(config.GetInt(section, "sos", 0));
  _zoomCmd->enable(config.GetInt(section, "zoom", 0));
}

void tPanel::show() {
  filter(_fEnable);
  tGuiTreatCatcher::Current().update();
}

void tPanel::hide() {
  // Only the release notice still reaches the members.
  filter(std::make_shared<tGuiMessageFilter>());
  tGuiTreatCatcher::Current().update();
}

int32_t tPanel::isShow() const { return getFilter() == _fEnable ? 1 : 0; }

}  // namespace vandrell
