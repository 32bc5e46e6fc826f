#include "scene/pic_property.h"

#include <algorithm>

#include "gui/app_messages.h"
#include "gui/mouse_catcher.h"
#include "platform/process_wide.h"
#include "scene/pic.h"

namespace vandrell {

namespace {

// The pic of that name in the running level; a name the level does not know
// answers null.
tPicPtr findPic(const std::string& name) { return name.empty() ? nullptr : M_PIC_FIND::ask(name); }

bool isPic(const std::weak_ptr<tPic>& ref, const tPic* pic) { return pic && ref.lock().get() == pic; }

// Whether `leader` (null: the pointer) leads the attachment.
bool leads(const tPicAttach& attachment, const tPic* leader) {
  return leader ? !attachment.pointer && isPic(attachment.a, leader) : attachment.pointer;
}

}  // namespace

tPicProperty& tPicProperty::Current() { return tProcessWide<tPicProperty>::get(); }

const std::shared_ptr<tPicProperty>& tPicProperty::shared() { return tProcessWide<tPicProperty>::shared(); }

tPicProperty& tPicProperty::Renew() {
  tProcessWide<tPicProperty>::exchange(std::make_shared<tPicProperty>());
  return Current();
}

void tPicProperty::saveInstant(tConfigBase& cfg, const std::string& section) {
  cfg.SetInt(section, "offset", _offset);
  cfg.SetInt(section, "blockClick", _blockClick);
}

void tPicProperty::loadInstant(tConfigBase& cfg, const std::string& section) {
  _offset = cfg.GetInt(section, "offset", 0);
  _blockClick = cfg.GetInt(section, "blockClick", 0);
}

void tPicProperty::saveHold(tConfigBase& cfg, const std::string& prefix) {
  int32_t n = 0;
  for (const auto& ref : _hold) {
    if (const tPicPtr pic = ref.lock()) cfg.SetString(prefix + std::to_string(n++), "hold", pic->id());
  }
}

void tPicProperty::loadHold(tConfigBase& cfg, const std::string& prefix) {
  _hold.clear();
  for (int32_t n = 0; cfg.Contains(prefix + std::to_string(n), ""); ++n) {
    // A held pic the level no longer has is dropped: kept as a null entry it
    // would forbid hovering every other pic for good.
    if (const tPicPtr pic = findPic(cfg.GetString(prefix + std::to_string(n), "hold", ""))) _hold.push_back(pic);
  }
}

void tPicProperty::saveAttach(tConfigBase& cfg, const std::string& prefix) {
  int32_t n = 0;
  for (const tPicAttach& attachment : _attach) {
    const tPicPtr b = attachment.b.lock();
    const tPicPtr a = attachment.a.lock();
    if (!b || (!attachment.pointer && !a)) continue;
    const std::string section = prefix + std::to_string(n++);
    if (!attachment.pointer) {
      cfg.SetString(section, "a", a->id());
      cfg.SetFloat(section, "x", attachment.x);
      cfg.SetFloat(section, "y", attachment.y);
      cfg.SetFloat(section, "angle", attachment.angle);
    }
    cfg.SetString(section, "b", b->id());
  }
}

void tPicProperty::loadAttach(tConfigBase& cfg, const std::string& prefix) {
  _attach.clear();
  for (int32_t n = 0; cfg.Contains(prefix + std::to_string(n), ""); ++n) {
    const std::string section = prefix + std::to_string(n);
    tPicAttach attachment;
    const std::string leader = cfg.GetString(section, "a", "");
    attachment.pointer = leader.empty();
    attachment.a = findPic(leader);
    attachment.b = findPic(cfg.GetString(section, "b", ""));
    attachment.x = cfg.GetFloat(section, "x", 0.0f);
    attachment.y = cfg.GetFloat(section, "y", 0.0f);
    attachment.angle = cfg.GetFloat(section, "angle", 0.0f);
    // Pics the level no longer has leave nothing to lay out.
    if (attachment.b.expired() || (!attachment.pointer && attachment.a.expired())) continue;
    _attach.push_back(attachment);
  }
}

void tPicProperty::offset(int32_t on) {
  if (on == _offset) return;
  _offset = on;
  const int32_t sign = on ? 1 : -1;
  M_PIC_OFFSET::send({sign * _offsetX, sign * _offsetY});
}

int32_t tPicProperty::offsetX() const { return _offset ? _offsetX : 0; }

int32_t tPicProperty::offsetY() const { return _offset ? _offsetY : 0; }

float tPicProperty::mouseX() const { return tGuiMouseCatcher::Current().h() - static_cast<float>(offsetX()); }

float tPicProperty::mouseY() const { return tGuiMouseCatcher::Current().v() - static_cast<float>(offsetY()); }

void tPicProperty::hold(const tPicPtr& pic) {
  if (!pic || isHold(pic.get())) return;
  _hold.push_back(pic);
  tGuiObject::send(M_PIC_MUTABLE{});
}

void tPicProperty::clearHold() {
  if (_hold.empty()) return;
  _hold.clear();
  tGuiObject::send(M_PIC_MUTABLE{});
}

int32_t tPicProperty::isHold(const tPic* pic) const {
  return std::any_of(_hold.begin(), _hold.end(), [pic](const auto& ref) { return isPic(ref, pic); }) ? 1 : 0;
}

int32_t tPicProperty::isHolding() const {
  return std::any_of(_hold.begin(), _hold.end(), [](const auto& ref) { return !ref.expired(); }) ? 1 : 0;
}

tExprValuePtr tPicProperty::zeb_property(const std::string& name) {
  if (name == "mousex") return tExprNumber::Create(mouseX());
  if (name == "mousey") return tExprNumber::Create(mouseY());
  if (name == "mousexspeed") return tExprNumber::Create(tGuiMouseCatcher::Current().hspeed());
  if (name == "mouseyspeed") return tExprNumber::Create(tGuiMouseCatcher::Current().vspeed());
  return tExprObject::Create(nullptr);
}

void tPicProperty::attach(const tPicPtr& a, const tPicPtr& b) {
  if (!b) return;
  tPicAttach made;
  made.a = a;
  made.b = b;
  made.pointer = !a;
  if (a) {
    made.x = b->zeb_property_x() - a->zeb_property_x();
    made.y = b->zeb_property_y() - a->zeb_property_y();
    made.angle = b->zeb_property_rot() - a->zeb_property_rot();
  }
  std::vector<tPicAttach> list;
  bool pending = true;
  for (const tPicAttach& existing : _attach) {
    if (pending && leads(existing, a.get()) && isPic(existing.b, b.get())) {
      list.push_back(made);
      pending = false;
    } else if (pending && leads(existing, b.get())) {
      list.push_back(made);
      list.push_back(existing);
      pending = false;
    } else {
      list.push_back(existing);
    }
  }
  if (pending) list.push_back(made);
  _attach = std::move(list);
}

void tPicProperty::attachPointer(const tPicPtr& b) { attach(nullptr, b); }

void tPicProperty::detach(const tPic* b) {
  std::erase_if(_attach, [b](const tPicAttach& attachment) { return isPic(attachment.b, b); });
}

void tPicProperty::layoutAttach() {
  for (const tPicAttach& attachment : _attach) {
    const tPicPtr b = attachment.b.lock();
    if (!b) continue;
    if (attachment.pointer) {
      b->zeb_position(mouseX(), mouseY());
    } else if (const tPicPtr a = attachment.a.lock()) {
      b->zeb_position(a->zeb_property_x() + attachment.x, a->zeb_property_y() + attachment.y);
      b->zeb_rotation(a->zeb_property_rot() + attachment.angle);
    }
  }
}

}  // namespace vandrell
