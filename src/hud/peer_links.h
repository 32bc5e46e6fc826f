// What the HUD needs from the scene and the audio manager, which are being
// built beside it. Until they join this build the scene has no origin offset
// and the shouts are silent; each body in peer_links.cpp is the one line to
// replace when they do (marked "MERGE:").
#pragma once

#include <cstdint>

namespace vandrell {

// The scene's origin offset in design units: where scene position (0, 0)
// lies on the design screen while the offset is in force.
int32_t sceneOffsetX();
int32_t sceneOffsetY();
// The short interface sound of a dismissed on-screen text.
void shoutHideMessage();

}  // namespace vandrell
