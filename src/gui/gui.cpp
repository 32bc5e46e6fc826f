#include "gui/gui.h"

#include "gui/hover_catchers.h"
#include "gui/input_messages.h"
#include "gui/key_catcher.h"
#include "gui/mouse_catcher.h"
#include "platform/process_wide.h"

namespace vandrell {

namespace {

// Messages go to whichever root is current, so a root swapped in by a test
// receives them without anyone registering it again.
class tCurrentRoot final : public tGuiMessageReceiver {
 public:
  void SendMessage(tGuiMessage& message) override { tGui::Current().SendMessage(message); }
};

}  // namespace

tGui::tGui()
    : _objects(std::make_shared<tGuiSet>()),
      _key(std::make_shared<tGuiKeyCatcher>()),
      _mouse(std::make_shared<tGuiMouseCatcher>()),
      _hover(std::make_shared<tGuiHoverCatcher>()),
      _treat(std::make_shared<tGuiTreatCatcher>()) {
  static tCurrentRoot currentRoot;
  tGuiMessage::gui(&currentRoot);
  _catchers = {_key, _mouse, _hover, _treat};
}

std::shared_ptr<tGuiObject> tGui::insert(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return _objects->insert(std::move(obj), name);
}

std::shared_ptr<tGuiObject> tGui::insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return _objects->insertBottom(std::move(obj), name);
}

void tGui::render() { send(GUIMSG_RENDER{}); }

void tGui::update(float delta) { send(GUIMSG_UPDATE{}, tFloatArray{delta}); }

int32_t tGui::event(const TEvent& ev) {
  for (size_t i = 0; i < _catchers.size(); ++i) _catchers[i]->event(ev);
  return 0;
}

std::any tGui::send(tGuiMessage&& msg, std::any in, std::any out) {
  return tGuiObject::send(std::move(msg), std::move(in), std::move(out));
}

void tGui::SendMessage(tGuiMessage& message) {
  const tGuiMessageType type = message.type();
  if (type == tGuiMessageType::of<GUIMSG_INSTALLCATCHER>()) {
    if (const auto* catcher = message.inAs<std::shared_ptr<tGuiCatcher>>()) _catchers.push_back(*catcher);
    return;
  }
  // By index: a catcher may install another while it looks at a message.
  for (size_t i = 0; i < _catchers.size(); ++i) _catchers[i]->message(message);
  _objects->message(message, type);
}

tGui& tGui::Current() { return tProcessWide<tGui>::get(); }

tGuiKeyCatcher& tGuiKeyCatcher::Current() { return tGui::Current().keyCatcher(); }
tGuiMouseCatcher& tGuiMouseCatcher::Current() { return tGui::Current().mouseCatcher(); }
tGuiHoverCatcher& tGuiHoverCatcher::Current() { return tGui::Current().hoverCatcher(); }
tGuiTreatCatcher& tGuiTreatCatcher::Current() { return tGui::Current().treatCatcher(); }

}  // namespace vandrell
