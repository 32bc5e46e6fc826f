// Script actions on the level's sounds and its music.
#pragma once

#include "script/zeb_action.h"

namespace vandrell {

#define VANDRELL_AUDIO_ACTION(NAME)  \
  class NAME : public tZebAction {   \
   public:                           \
    float exec() override;           \
  };

// "sound=name[,volume]": the volume is 1 unless given.
VANDRELL_AUDIO_ACTION(tZebAction_sound)
VANDRELL_AUDIO_ACTION(tZebAction_stopsound)
VANDRELL_AUDIO_ACTION(tZebAction_stopsounds)
// "musvol=level,ticks": the music glides to the level within that time.
VANDRELL_AUDIO_ACTION(tZebAction_musicvolume)
VANDRELL_AUDIO_ACTION(tZebAction_musiclist)

#undef VANDRELL_AUDIO_ACTION

// Run once at start-up, after the script language is installed.
void RegisterAudioActions();

}  // namespace vandrell
