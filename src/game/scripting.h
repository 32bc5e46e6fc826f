// The script language as the game speaks it: the script book and operator
// table, the objects that answer properties, the actions. The program, the
// tools and the test and fuzz programs that load levels start it the same
// way, once, before any level loads.
#pragma once

namespace vandrell {

void StartScripting();

}  // namespace vandrell
