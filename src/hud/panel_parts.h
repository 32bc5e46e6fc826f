// The fixed parts of the bottom panel: the strip behind the item slots, the
// frame in front of them, whose opaque parts take the pointer and so shield
// the scene behind the panel, and the line naming the level's current task.
#pragma once

#include <string>

#include "gui/image.h"
#include "gui/label.h"

namespace vandrell {

// A picture of the panel, its bottom edge centred on the bottom of the screen.
class tPanelImage : public tGuiImage {
  VANDRELL_GUI_HOOKS(tPanelImage, tGuiImage)

 public:
  // "data/" + `picture` + ".png" at its natural size.
  explicit tPanelImage(const std::string& picture);
};

class tPanelBg : public tPanelImage {
  VANDRELL_GUI_HOOKS(tPanelBg, tPanelImage)

 public:
  tPanelBg();
};

class tPanelFg : public tPanelImage {
  VANDRELL_GUI_HOOKS(tPanelFg, tPanelImage)

 public:
  // Takes the pointer where its alpha reaches 128.
  tPanelFg();
};

class tPanelLabel : public tGuiLabel {
  VANDRELL_GUI_HOOKS(tPanelLabel, tGuiLabel)

 public:
  // In font 1, its left end at (20, 585).
  tPanelLabel();

  // Line 0 of the message `id`, or nothing when the level has no such message.
  virtual void zeb_globalmission(const std::string& id);
};

}  // namespace vandrell
