#include "hud/peer_links.h"

namespace vandrell {

// MERGE: return tPicProperty::Current().offsetX();
int32_t sceneOffsetX() { return 0; }

// MERGE: return tPicProperty::Current().offsetY();
int32_t sceneOffsetY() { return 0; }

}  // namespace vandrell
