// The HUD a level builds when it is made, and its part of the level's save.
#pragma once

#include <memory>

#include "gui/object_set.h"
#include "resources/config.h"
#include "scene/item_layer.h"

namespace vandrell {

// A new universal button, a new resist meter and a new bottom panel round the level's item row (with
// its hint counter, journal, task line and buttons) become the current ones
// and are stacked at the top of `level`, meter first. The level calls this
// once, in its constructor, after its lower layer and before its on-screen
// texts. The panel holds the meter too: while the panel is shown, the meter
// sees each frame's update twice.
void RenewPlayHud(tGuiSet& level, std::shared_ptr<tItemLayer> items);
// A new magnifier becomes the current one, at the bottom of `pics` (the
// pics of the level's first system location), when a level is loaded or
// restored.
void RenewZoom(tGuiSet& pics);
// The magnifier's name among those pics.
inline constexpr const char* ZOOM_NAME = "__zoom";

// The sections "panel=", "journal=", "sos=", "resist=" and "unibutton=",
// each only for an object the running level has; a save without one leaves
// it as it is.
void SavePlayHud(tConfigBase& config);
void LoadPlayHud(const tConfigBase& config);

}  // namespace vandrell
