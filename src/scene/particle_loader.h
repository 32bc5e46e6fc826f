// Particle description files ("set"): one value per line, the sprite first,
// then the emission, the motion, the look and the animation of the particles.
// A value that is missing or does not read as a number counts as 0 and is
// reported in the debug log, so a broken file still gives an effect.
#pragma once

#include <memory>
#include <string>

#include "platform/text_stream.h"
#include "resources/resource_manager.h"
#include "scene/zeb_emitter.h"

namespace vandrell {

// An emitter that runs for ever, built from the media file `path`, its sprite
// loaded through `resources`. Null when the file cannot be opened.
std::shared_ptr<tZebEmitter> loadParticleEmitter(const std::string& path, tResourceManager& resources);
// The same from a description already open; `name` names it in diagnostics.
std::shared_ptr<tZebEmitter> readParticleEmitter(TTextStream& text, const std::string& name,
                                                 tResourceManager& resources);

}  // namespace vandrell
