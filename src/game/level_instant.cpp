#include "game/level.h"

namespace vandrell {

// The scene's own state is not kept yet: a resumed level starts from its
// files, with what the game's other owners restore.
void tLevel::saveInstant(tConfigBase&) {}

void tLevel::loadInstant(tConfigBase&) {}

}  // namespace vandrell
