#include "scene/location.h"

#include "core/settings.h"
#include "gui/app_messages.h"
#include "gui/input_messages.h"
#include "scene/pic_image.h"

namespace vandrell {

namespace {

template <class... Messages>
std::shared_ptr<tGuiMessageFilter> filterOf() {
  auto f = std::make_shared<tGuiMessageFilter>();
  f->add<Messages...>();
  return f;
}

}  // namespace

tLocationPics::tLocationPics() {
  filter(filterOf<GUIMSG_UPDATE, GUIMSG_TREAT, GUIMSG_HOVER, GUIMSG_MOUSEDOWN, M_PIC_POSTDRAW, M_PIC_MUTABLE,
                  M_MISSION_MUTABLE>());
}

tLocationParticles::tLocationParticles() { filter(filterOf<GUIMSG_UPDATE, M_PIC_POSTDRAW>()); }

tLocationCommands::tLocationCommands() { filter(filterOf<GUIMSG_UPDATE>()); }

tLocation::tLocation() {
  // Set directly: the new location has no members yet to refresh or tell.
  _show = 1;
  _enable = 1;
  filter(_f);
  setupFilters(0);
  insert(_pics);
  insert(_particles);
  insert(_commands);
}

void tLocation::saveInstant(tConfigBase& cfg, const std::string& section) {
  cfg.SetInt(section, "show", _show);
  cfg.SetInt(section, "enable", _enable);
}

void tLocation::loadInstant(tConfigBase& cfg, const std::string& section) {
  _show = cfg.GetInt(section, "show", 0);
  _enable = cfg.GetInt(section, "enable", 0);
  setupFilters(0);
}

void tLocation::saveOrder(const tGuiSet& set, tConfigBase& cfg, const std::string& section) {
  int32_t n = 0;
  for (const auto& member : set.order()) cfg.SetString(section, std::to_string(n++), member->id());
}

void tLocation::loadOrder(tGuiSet& set, tConfigBase& cfg, const std::string& section) {
  const tGuiSet::tIndex members = set.index();
  set.clear();
  for (int32_t n = 0; cfg.Contains(section, std::to_string(n)); ++n) {
    // A name the level files no longer hold is passed over.
    const auto found = members.find(cfg.GetString(section, std::to_string(n), ""));
    if (found != members.end()) set.insert(found->second, found->first);
  }
}

void tLocation::savePics(tConfigBase& cfg, const std::string& section) { saveOrder(*_pics, cfg, section); }

void tLocation::loadPics(tConfigBase& cfg, const std::string& section) { loadOrder(*_pics, cfg, section); }

void tLocation::saveParticles(tConfigBase& cfg, const std::string& section) { saveOrder(*_particles, cfg, section); }

void tLocation::loadParticles(tConfigBase& cfg, const std::string& section) { loadOrder(*_particles, cfg, section); }

void tLocation::show(int32_t on) { changeFlag(_show, on); }

void tLocation::enable(int32_t on) { changeFlag(_enable, on); }

void tLocation::changeFlag(int32_t& flag, int32_t on) {
  if (on == flag) return;
  flag = on;
  setupFilters(1);
  tGuiObject::send(M_PIC_MUTABLE{});
}

void tLocation::setupFilters(int32_t update) {
  _f->clear();
  if (_show) _f->add<M_PIC_POSTDRAW>();
  if (_show && _enable) {
    _f->add<GUIMSG_UPDATE, GUIMSG_HOVER, GUIMSG_TREAT, GUIMSG_MOUSEDOWN, M_PIC_MUTABLE, M_MISSION_MUTABLE>();
  }
  if (update) tGuiObject::sendto(*this, GUIMSG_UPDATE{});
}

void tLocation::fade() {
  const float time = tSettings::Current().inc2period(20.0f);
  for (const auto& member : _pics->order()) {
    if (const auto pic = std::dynamic_pointer_cast<tPicImage>(member)) pic->zeb_alphing(0.0f, time);
  }
}

void tLocation::clear() {
  _pics->clear();
  _particles->clear();
  _commands->clear();
  tGuiSet::clear();
}

}  // namespace vandrell
