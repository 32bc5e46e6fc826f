// Where a player's options, profiles and saves live.
#pragma once

#include <string>

namespace vandrell {

// "APPDATA" + "/" + company + "/" + title + "/" when APPDATA is set. Elsewhere
// the per-user data folder of the platform takes its place ($XDG_DATA_HOME, or
// ~/.local/share), so saves never land in an unwritable root folder.
std::string DefaultUserPath(const std::string& company, const std::string& title);

}  // namespace vandrell
