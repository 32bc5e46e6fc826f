// Loading screens. Loading a level blocks the frame loop; the loader calls
// its loading screen between steps, and the screen presents a frame of its
// own. The quiet one only shows black; the ordinary one an animation with a
// title, advanced by the time that passed between calls, at most one frame a
// call. Both keep the window answering the system while they present.
#pragma once

#include <cstdint>

#include "gui/anim_image.h"
#include "gui/label.h"

namespace vandrell {

class tLoading {
 public:
  virtual ~tLoading() = default;
  virtual void restart() {}
  virtual void interrupt() {}
};

class tQuietLoading : public tLoading {
 public:
  void interrupt() override;
};

class tProgressLoading : public tLoading {
 public:
  // Presents its first frame at once.
  tProgressLoading();

  void restart() override;
  void interrupt() override;
  virtual void render();

  int32_t frame() const { return _frame; }

 protected:
  std::shared_ptr<tGuiAnimImage> _anim = std::make_shared<tGuiAnimImage>();
  std::shared_ptr<tGuiLabel> _title = std::make_shared<tGuiLabel>();
  int32_t _timer = 0;
  int32_t _frame = 0;
};

}  // namespace vandrell
