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

class tGui : public tGuiMessageReceiver {
 public:
  tGui();

  virtual std::shared_ptr<tGuiObject> insert(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  virtual std::shared_ptr<tGuiObject> insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  virtual int32_t render();
  virtual int32_t update(float delta);
  // Hands the platform event to every catcher, in installation order.
  virtual int32_t event(const TEvent& ev);
  static std::any send(tGuiMessage&& msg, std::any in = {}, std::any out = {});

  // A catcher being installed joins the catchers and goes no further; any
  // other message reaches the catchers, then the objects.
  void SendMessage(tGuiMessage& message) override;

  tGuiSet& objects() { return *_objects; }

 private:
  std::shared_ptr<tGuiSet> _objects;
  std::vector<std::shared_ptr<tGuiCatcher>> _catchers;
};

// The process-wide root. The first call creates it, makes it the receiver of
// all messages and installs the key, mouse, hover and treat catchers.
tGui& Gui();

}  // namespace vandrell
