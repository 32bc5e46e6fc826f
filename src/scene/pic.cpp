#include "scene/pic.h"

#include "platform/log.h"
#include "script/zeb_book.h"

namespace vandrell {

namespace {

// Stores `on` in `flag`; true when that changed it.
bool changeFlag(int32_t& flag, int32_t on) {
  if (flag == on) return false;
  flag = on;
  return true;
}

}  // namespace

void tPic::saveInstant(tConfigBase& cfg, const std::string& section) {
  cfg.SetFloat(section, "a0", _a0);
  cfg.SetFloat(section, "a1", _a1);
  cfg.SetInt(section, "show", _show);
  cfg.SetInt(section, "gshow", _gshow);
  cfg.SetInt(section, "enable", _enable);
  cfg.SetInt(section, "genable", _genable);
  cfg.SetInt(section, "postdraw", _postdraw);
}

void tPic::loadInstant(tConfigBase& cfg, const std::string& section) {
  _a0 = cfg.GetFloat(section, "a0", 0.0f);
  _a1 = cfg.GetFloat(section, "a1", 0.0f);
  _show = cfg.GetInt(section, "show", 0);
  _gshow = cfg.GetInt(section, "gshow", 0);
  _enable = cfg.GetInt(section, "enable", 0);
  _genable = cfg.GetInt(section, "genable", 0);
  _postdraw = cfg.GetInt(section, "postdraw", 0);
}

void tPic::reloadSrc(tResourceManager& resources) {
  // Copies: loadSrc stores its arguments into these very fields.
  const std::string src = _src;
  const tPicParams prms = _prms;
  loadSrc(src, prms, resources);
}

void tPic::loadRnds(const std::vector<std::string>& strings) {
  _rnds.clear();
  for (const std::string& entry : strings) {
    const size_t comma = entry.find(',');
    if (comma == std::string::npos) {
      DebugLog("level> Position without \",\" for object " + id() + ": \"" + entry + "\"!");
      continue;
    }
    const tPicParams halves = {entry.substr(0, comma), entry.substr(comma + 1)};
    _rnds.push_back({ParamInt(halves, 0), ParamInt(halves, 1)});
  }
}

void tPic::loadParams(const tPicParams& prms) {
  zeb_gshow();
  zeb_genable();
  _show = ParamInt(prms, 5) ? 0 : 1;
  _enable = ParamInt(prms, 11) ? 0 : 1;
  _postdraw = ParamInt(prms, 14);
  if (prms.size() > 28) _xsos = ParamInt(prms, 28);
  if (prms.size() > 29) _ysos = ParamInt(prms, 29);
}

void tPic::loadMission(const tMissionList& list) { _missions.assign(list.begin(), list.end()); }

tMissionList tPic::missions() const {
  tMissionList list;
  for (const auto& ref : _missions) {
    if (auto mission = ref.lock()) list.push_back(std::move(mission));
  }
  return list;
}

void tPic::show(int32_t on) {
  if (changeFlag(_show, on)) setupAvail();
}

void tPic::enable(int32_t on) {
  if (changeFlag(_enable, on)) setupAvail();
}

void tPic::gshow(int32_t on) {
  if (changeFlag(_gshow, on)) setupAvail();
}

void tPic::genable(int32_t on) {
  if (changeFlag(_genable, on)) setupAvail();
}

int32_t tPic::M_PIC_MUTABLE(vandrell::M_PIC_MUTABLE&) {
  setupAvail();
  return 0;
}

int32_t tPic::M_MISSION_MUTABLE(vandrell::M_MISSION_MUTABLE&) {
  setupAvail();
  return 0;
}

tExprValuePtr tPic::zeb_property(const std::string& name) {
  if (name == "id") return tExprObject::Create(selfPic());
  if (name == "hidden") return tExprNumber::Create(_show ? 0.0f : 1.0f);
  if (name == "a0") return tExprNumber::Create(zeb_property_a0());
  if (name == "a1") return tExprNumber::Create(zeb_property_a1());
  if (name == "x") return tExprNumber::Create(zeb_property_x());
  if (name == "y") return tExprNumber::Create(zeb_property_y());
  if (name == "rot") return tExprNumber::Create(zeb_property_rot());
  if (name == "sx") return tExprNumber::Create(zeb_property_sx());
  if (name == "sy") return tExprNumber::Create(zeb_property_sy());
  if (name == "xsos") return tExprNumber::Create(zeb_property_xsos());
  if (name == "ysos") return tExprNumber::Create(zeb_property_ysos());
  return tExprObject::Create(nullptr);
}

void tPic::zeb_link(const tPicPtr& other) {
  if (other) tPicProperty::Current().attach(other, selfPic());
}

void tPic::zeb_linkmouse() {
  zeb_centermouse();
  tPicProperty::Current().attachPointer(selfPic());
}

void tPic::zeb_unlink() { tPicProperty::Current().detach(this); }

void tPic::zeb_center(const tPicPtr& other) {
  if (other) zeb_position(other->zeb_property_x(), other->zeb_property_y());
}

void tPic::zeb_centermouse() {
  const tPicProperty& property = tPicProperty::Current();
  zeb_position(property.mouseX(), property.mouseY());
}

int32_t tPic::message(tGuiMessage& msg, tGuiMessageType type) {
  if (type == tGuiMessageType::of<GUIMSG_RENDER>()) return 0;
  if (type == tGuiMessageType::of<M_PIC_POSTDRAW>()) {
    if (static_cast<M_PIC_POSTDRAW&>(msg).pass() == _postdraw && _this) tGuiObject::sendto(*_this, GUIMSG_RENDER{});
    return 0;
  }
  return tGuiObjectObject::message(msg, type);
}

void AddPicPropertyOwners() {
  static const bool added = [] {
    tZebExpr::addPropertyOwner(ZebPropertyOwner<tPicProperty>());
    tZebExpr::addPropertyOwner(ZebPropertyOwner<tPic>());
    return true;
  }();
  static_cast<void>(added);
}

}  // namespace vandrell
