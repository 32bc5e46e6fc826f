#include "gui/gui.h"

#include "gui/hover_catchers.h"
#include "gui/input_messages.h"
#include "gui/key_catcher.h"
#include "gui/mouse_catcher.h"

namespace vandrell {

tGui::tGui() : _objects(std::make_shared<tGuiSet>()) {}

std::shared_ptr<tGuiObject> tGui::insert(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return _objects->insert(std::move(obj), name);
}

std::shared_ptr<tGuiObject> tGui::insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name) {
  return _objects->insertBottom(std::move(obj), name);
}

int32_t tGui::render() {
  send(GUIMSG_RENDER{});
  return 0;
}

int32_t tGui::update(float delta) {
  send(GUIMSG_UPDATE{}, tFloatArray{delta});
  return 0;
}

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

namespace {

struct tGuiRuntime {
  tGui root;
  std::shared_ptr<tGuiKeyCatcher> key = std::make_shared<tGuiKeyCatcher>();
  std::shared_ptr<tGuiMouseCatcher> mouse = std::make_shared<tGuiMouseCatcher>();
  std::shared_ptr<tGuiHoverCatcher> hover = std::make_shared<tGuiHoverCatcher>();
  std::shared_ptr<tGuiTreatCatcher> treat = std::make_shared<tGuiTreatCatcher>();

  tGuiRuntime() {
    tGuiMessage::gui(&root);
    key->install();
    mouse->install();
    hover->install();
    treat->install();
  }
};

tGuiRuntime& runtime() {
  // Never destroyed: objects in the tree may outlive whatever their
  // destructors would touch at exit.
  static tGuiRuntime* const instance = new tGuiRuntime;
  return *instance;
}

}  // namespace

tGui& Gui() { return runtime().root; }
tGuiKeyCatcher& KeyCatcher() { return *runtime().key; }
tGuiMouseCatcher& MouseCatcher() { return *runtime().mouse; }
tGuiHoverCatcher& HoverCatcher() { return *runtime().hover; }
tGuiTreatCatcher& TreatCatcher() { return *runtime().treat; }

}  // namespace vandrell
