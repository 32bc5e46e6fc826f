// Input catchers: translators from platform events to GUI messages that keep
// input state for everyone to query. The root hands them every event and shows
// them every message before any object sees it.
#pragma once

#include <any>
#include <cstdint>
#include <memory>

#include "gui/message.h"

namespace vandrell {

struct TEvent;

class tGuiCatcher : public std::enable_shared_from_this<tGuiCatcher> {
 public:
  virtual ~tGuiCatcher() = default;

  virtual int32_t event(const TEvent& ev);
  virtual int32_t message(tGuiMessage& msg);
  static std::any send(tGuiMessage&& msg, std::any in = {}, std::any out = {});
  // Joins the root's catchers; the catcher must be owned by a std::shared_ptr.
  virtual void install();

 protected:
  virtual int32_t _event(const TEvent& ev);
  virtual int32_t _message(tGuiMessage& msg);
};

}  // namespace vandrell
