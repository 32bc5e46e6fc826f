// What the HUD needs from the scene, which is being built beside it. Until it
// joins this build the scene has no origin offset (marked "MERGE:").
#pragma once

#include <cstdint>

namespace vandrell {

// The scene's origin offset in design units: where scene position (0, 0)
// lies on the design screen while the offset is in force.
int32_t sceneOffsetX();
int32_t sceneOffsetY();

}  // namespace vandrell
