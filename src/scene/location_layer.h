// A layer of locations. It draws its locations in four passes (under,
// normal, over, top), so a pic can be drawn under or over the pics of every
// other location of the layer. Pausing a layer freezes time for all its
// locations while they are still drawn and still take the pointer; it runs
// again when every owner that paused it has released it.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/message_filter.h"
#include "gui/object_set.h"
#include "gui/pause_owners.h"

namespace vandrell {

class tLocationLayer : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLocationLayer, tGuiSet, &tLocationLayer::GUIMSG_RENDER)

 public:
  tLocationLayer();

  // The members never see a plain render: the layer sends the passes
  // -1, 0, 1, 2 to them instead.
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
  virtual int32_t isPause() const { return _pause.isPause() ? 1 : 0; }
  virtual void pause(int32_t on, tPauseOwner key);

 protected:
  // Running: time, pointer, passes and availability changes.
  std::shared_ptr<tGuiMessageFilter> _fEnable = std::make_shared<tGuiMessageFilter>();
  // Paused: the same without time.
  std::shared_ptr<tGuiMessageFilter> _fDisable = std::make_shared<tGuiMessageFilter>();
  tPauseOwners _pause;
};

}  // namespace vandrell
