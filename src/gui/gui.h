// The GUI root: receives every emitted message, shows it to the input catchers
// and then broadcasts it through the top-level object set.
#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/catcher.h"
#include "gui/message.h"
#include "gui/object_set.h"

namespace vandrell {

struct TEvent;

class tGuiKeyCatcher;
class tGuiMouseCatcher;
class tGuiHoverCatcher;
class tGuiTreatCatcher;

// The root owns the four standard catchers: a test that puts a fresh root in
// place (tCurrentScope<tGui>) gets fresh input state with it.
class tGui : public tGuiMessageReceiver {
 public:
  // Makes the root the receiver of all messages and installs the key, mouse,
  // hover and treat catchers, in that order.
  tGui();

  // The process-wide root.
  static tGui& Current();

  virtual std::shared_ptr<tGuiObject> insert(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  virtual std::shared_ptr<tGuiObject> insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  virtual void render();
  virtual void update(float delta);
  // Hands the platform event to every catcher, in installation order.
  virtual int32_t event(const TEvent& ev);
  static std::any send(tGuiMessage&& msg, std::any in = {}, std::any out = {});

  // A catcher being installed joins the catchers and goes no further; any
  // other message reaches the catchers, then the objects.
  void SendMessage(tGuiMessage& message) override;

  tGuiSet& objects() { return *_objects; }
  tGuiKeyCatcher& keyCatcher() { return *_key; }
  tGuiMouseCatcher& mouseCatcher() { return *_mouse; }
  tGuiHoverCatcher& hoverCatcher() { return *_hover; }
  tGuiTreatCatcher& treatCatcher() { return *_treat; }

 private:
  std::shared_ptr<tGuiSet> _objects;
  std::vector<std::shared_ptr<tGuiCatcher>> _catchers;
  std::shared_ptr<tGuiKeyCatcher> _key;
  std::shared_ptr<tGuiMouseCatcher> _mouse;
  std::shared_ptr<tGuiHoverCatcher> _hover;
  std::shared_ptr<tGuiTreatCatcher> _treat;
};

}  // namespace vandrell
