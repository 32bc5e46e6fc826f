// The window's icon. Platforms without icon resources take it from an image
// shipped with the data.
#pragma once

#include "platform/pixmap.h"

namespace vandrell {

// Sets the icon of the current window; false when there is no window or no
// pixmap.
bool SetWindowIcon(const TPixmapPtr& icon);

}  // namespace vandrell
