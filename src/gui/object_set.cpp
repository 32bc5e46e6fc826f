#include "gui/object_set.h"

#include <algorithm>
#include <utility>

namespace vandrell {

namespace {

std::string stripBlanks(const std::string& text) {
  constexpr const char* blanks = " \t\n\r\f\v";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

class tGuiSet::tWalk {
 public:
  explicit tWalk(tGuiSet& set) : _set(set) { _set._walks.push_back(&_position); }
  ~tWalk() {
    _set._walks.pop_back();
    if (_set._walks.empty()) {
      // Dropping the last owner may run destructors; the set is settled first.
      std::vector<std::shared_ptr<tGuiObject>> released;
      released.swap(_set._released);
    }
  }
  tWalk(const tWalk&) = delete;
  tWalk& operator=(const tWalk&) = delete;

  void deliver(tGuiMessage& msg, tGuiMessageType type) {
    for (_position = 0; _position < std::ssize(_set._order); ++_position) {
      _set._order[static_cast<size_t>(_position)]->message(msg, type);
    }
  }

 private:
  tGuiSet& _set;
  std::ptrdiff_t _position = 0;
};

void tGuiSet::filter(std::shared_ptr<tGuiMessageFilter> f) { _filter = std::move(f); }

std::shared_ptr<tGuiMessageFilter> tGuiSet::getFilter() const { return _filter; }

int32_t tGuiSet::message(tGuiMessage& msg, tGuiMessageType type) {
  if (!_filter || _filter->filter(type)) tWalk(*this).deliver(msg, type);
  return tGuiObject::message(msg, type);
}

int32_t tGuiSet::GUIMSG_FREE(vandrell::GUIMSG_FREE& msg) {
  if (const auto* obj = msg.inAs<std::shared_ptr<tGuiObject>>()) removeObject(*obj);
  return 0;
}

std::shared_ptr<tGuiObject> tGuiSet::insert(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return add(std::move(obj), name, false);
}

std::shared_ptr<tGuiObject> tGuiSet::insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return add(std::move(obj), name, true);
}

std::shared_ptr<tGuiObject> tGuiSet::add(std::shared_ptr<tGuiObject> obj, const std::string& name, bool atBottom) {
  if (!name.empty()) obj->_id = stripBlanks(name);
  if (obj->_id.empty()) obj->_id = std::to_string(genid());
  if (find(obj->_id)) return nullptr;
  _index.emplace(obj->_id, obj);
  if (atBottom) {
    putAtBottom(obj);
  } else {
    _order.push_back(obj);
  }
  return obj;
}

void tGuiSet::clear() {
  for (std::ptrdiff_t* walk : _walks) *walk = -1;
  for (std::shared_ptr<tGuiObject>& member : _order) release(std::move(member));
  _order.clear();
  _index.clear();
}

std::shared_ptr<tGuiObject> tGuiSet::remove(const std::string& name) {
  std::shared_ptr<tGuiObject> member = find(name);
  if (!member) return nullptr;
  const std::ptrdiff_t at = position(member.get());
  if (at >= 0) release(unlink(at));
  _index.erase(name);
  return member;
}

int32_t tGuiSet::removeObject(const std::shared_ptr<tGuiObject>& obj) {
  const std::ptrdiff_t at = position(obj.get());
  if (at < 0) return 0;
  // The object may have been renamed in another set since it joined this one;
  // its entry here is then under the old name, and its current name may belong
  // to another member.
  auto entry = _index.find(obj->id());
  if (entry == _index.end() || entry->second != obj) {
    entry = std::find_if(_index.begin(), _index.end(), [&](const auto& named) { return named.second == obj; });
  }
  if (entry != _index.end()) _index.erase(entry);
  release(unlink(at));
  return 0;
}

std::shared_ptr<tGuiObject> tGuiSet::find(const std::string& name) const {
  const auto entry = _index.find(name);
  return entry == _index.end() ? nullptr : entry->second;
}

std::shared_ptr<tGuiObject> tGuiSet::rename(const std::string& oldName, const std::string& newName) {
  const std::string name = stripBlanks(newName);
  if (name.empty()) return nullptr;
  std::shared_ptr<tGuiObject> member = find(oldName);
  if (oldName == name) return member;
  if (!member || find(name)) return nullptr;
  member->_id = name;
  _index.erase(oldName);
  _index.emplace(name, member);
  return member;
}

int32_t tGuiSet::toTop(const std::string& name) {
  return moveMember(name, [this](std::ptrdiff_t at) { _order.push_back(unlink(at)); });
}

int32_t tGuiSet::toBottom(const std::string& name) {
  return moveMember(name, [this](std::ptrdiff_t at) { putAtBottom(unlink(at)); });
}

int32_t tGuiSet::toUp(const std::string& name) {
  return moveMember(name, [this](std::ptrdiff_t at) {
    const auto place = static_cast<size_t>(at);
    if (place + 1 < _order.size()) std::swap(_order[place], _order[place + 1]);
  });
}

int32_t tGuiSet::toDown(const std::string& name) {
  return moveMember(name, [this](std::ptrdiff_t at) {
    const auto place = static_cast<size_t>(at);
    if (place > 0) std::swap(_order[place], _order[place - 1]);
  });
}

template <class Move>
int32_t tGuiSet::moveMember(const std::string& name, Move move) {
  const std::shared_ptr<tGuiObject> member = find(name);
  const std::ptrdiff_t at = member ? position(member.get()) : -1;
  if (at >= 0) move(at);
  return 0;
}

std::ptrdiff_t tGuiSet::position(const tGuiObject* obj) const {
  const auto found = std::find_if(_order.begin(), _order.end(), [obj](const auto& member) { return member.get() == obj; });
  return found == _order.end() ? -1 : found - _order.begin();
}

std::shared_ptr<tGuiObject> tGuiSet::unlink(std::ptrdiff_t at) {
  std::shared_ptr<tGuiObject> member = std::move(_order[static_cast<size_t>(at)]);
  _order.erase(_order.begin() + at);
  // A walk at or past the gap steps back, so its next step lands on the member
  // that followed.
  for (std::ptrdiff_t* walk : _walks) {
    if (at <= *walk) --*walk;
  }
  return member;
}

void tGuiSet::putAtBottom(std::shared_ptr<tGuiObject> obj) {
  _order.insert(_order.begin(), std::move(obj));
  for (std::ptrdiff_t* walk : _walks) ++*walk;
}

void tGuiSet::release(std::shared_ptr<tGuiObject> obj) {
  if (!_walks.empty()) _released.push_back(std::move(obj));
}

}  // namespace vandrell
