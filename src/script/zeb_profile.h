// The player profile as scripts see it: level scripts read a player's
// variables as "uv:name". The profile itself knows nothing of scripts; this
// object answers for it.
#pragma once

#include <string>

#include "resources/profile.h"
#include "script/object.h"

namespace vandrell {

class tZebProfile : public tObject {
 public:
  // The profile must outlive the object (the process-wide one always does).
  explicit tZebProfile(tProfile& profile) : _profile(profile) {}
  static std::shared_ptr<tZebProfile> Create(tProfile& profile) { return std::make_shared<tZebProfile>(profile); }

  float zeb_property(const std::string& name) { return _profile.zeb_property(name); }

 private:
  tProfile& _profile;
};

}  // namespace vandrell
