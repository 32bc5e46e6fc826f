#include "audio/audio_actions.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "script/action_keywords.h"

namespace vandrell {

float tZebAction_sound::exec() {
  tAudio::Current().zeb_sound(variable(0), number(1, 1.0f));
  return 0.0f;
}

float tZebAction_stopsound::exec() {
  tAudio::Current().zeb_stopsound(variable(0));
  return 0.0f;
}

float tZebAction_stopsounds::exec() {
  tAudio::Current().zeb_stopsounds();
  return 0.0f;
}

float tZebAction_musicvolume::exec() {
  tAudio::Current().zeb_musicvolume(number(0), ticks(1));
  return 0.0f;
}

float tZebAction_musiclist::exec() {
  tAudio::Current().zeb_musiclist(trunci(number(0)));
  return 0.0f;
}

void RegisterAudioActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_sound);
  VANDRELL_ACTION(keywords, tZebAction_stopsound);
  VANDRELL_ACTION(keywords, tZebAction_stopsounds);
  VANDRELL_ACTION(keywords, tZebAction_musicvolume);
  VANDRELL_ACTION(keywords, tZebAction_musiclist);
}

}  // namespace vandrell
