// The one audio manager. It plays three kinds of audio:
// - music: one track at a time from the numbered, shuffled playlists a level
//   declares in its "music.cfg", at a level scripts can glide, times the
//   track's own volume, fading out while anything pauses the music;
// - sounds: named level sounds started by scripts and missions, which fade in
//   and out, pause with the game and are saved with the level;
// - shouts: short interface sounds that always play to their end.
// Nothing plays without an audio device (AUDIO_ON); music also needs
// MUSIC_ON. Volumes are scaled by the options VOLUME_MUSIC and VOLUME_SOUND.
// All decoding happens in the frame's update.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "audio/vorbis.h"
#include "gui/object.h"
#include "gui/pause_owners.h"
#include "platform/stream.h"
#include "resources/config.h"

namespace vandrell {

// A playing level sound.
class tAudioSound {
 public:
  std::unique_ptr<tVorbis> stream;
  std::string name;
  float volume = 1.0f;
  // Fade, 0 to 1.
  float mix = 1.0f;
  // 1 while it fades out to be dropped.
  int32_t stop = 0;

  void setupVolume();
};

class tAudio : public tGuiObject {
  VANDRELL_GUI_HOOKS(tAudio, tGuiObject, &tAudio::GUIMSG_UPDATE)

 public:
  static constexpr int32_t MUSICLISTS = 1000;
  // Fade of music and sounds, per second: out or in within half a second.
  static constexpr float _mixSpeed = 2.0f;

  static tAudio& Current();

  // Shouts, then sounds, then music (when MUSIC_ON) stream on; nothing at all
  // without AUDIO_ON.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  // The playlists of a level's "music.cfg" (null: none), each shuffled;
  // playlist 0 starts on the next update.
  virtual void loadTracks(const TStreamPtr& source);
  // Stops the music and selects playlist `n`, whose first track starts on the
  // next update. A number outside 0 to 999 is an empty playlist.
  virtual void musiclist(int32_t n);
  // Stops the music; the next update moves on in the playlist.
  virtual void nextTrack();
  // Starts the track "music/" + name + ".ogg" at once.
  virtual void music(const std::string& name);
  virtual void zeb_musiclist(int32_t n);
  // Glides the music level to `level` within `seconds` (0: on the next update).
  virtual void zeb_musicvolume(float level, float seconds);

  // Plays the interface sound "media/" + name + ".ogg" to its end.
  virtual void shout(const std::string& name, float volume);
  void shout_treat();        // a button becomes the pointer's target
  void shout_click();        // a button is clicked
  void shout_sos();          // a hint is used
  void shout_addsos();       // a hint is gained
  void shout_showmessage();  // an on-screen text is shown
  void shout_hidemessage();  // it is dismissed

  // Starts the level sound "media/" + name + ".ogg".
  virtual void sound(const std::string& name, float volume);
  virtual void zeb_sound(const std::string& name, float volume);
  // A sound of a restored save: from `seconds` on, fading in.
  virtual void soundRestore(const std::string& name, float volume, double seconds);
  // Fades out and drops every sound of that name, every sound for "".
  virtual void stopsounds(const std::string& name);
  virtual void zeb_stopsound(const std::string& name);
  virtual void zeb_stopsounds();

  // `flag` 1: `owner` pauses the sounds (or the music); 0: it releases its
  // pause. They fade out while any owner holds a pause, and back in after.
  virtual void pauseSound(int32_t flag, tPauseOwner owner);
  virtual void pauseMusic(int32_t flag, tPauseOwner owner);
  virtual bool isPauseSound() const;
  virtual bool isPauseMusic() const;

  // Before every level load: no playlists, music, sounds, shouts or pauses;
  // the music level back to 1 (its target stays).
  virtual void clear();

  // The music's state in `section`: playlist and music level.
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // Restarts the saved playlist from its start at the saved music level.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  // Each playing sound in its own section, `prefix` + 0, 1, ...
  virtual void saveSounds(tConfigBase& config, const std::string& prefix) const;
  // Resumes each saved sound where it was, fading in.
  virtual void loadSounds(const tConfigBase& config, const std::string& prefix);

  virtual void updateShouts();
  virtual void updateSounds(float delta);
  virtual void updateMusic(float delta);

  // What plays (for tests and displays).
  const std::vector<std::string>& tracks(int32_t n) const;
  int32_t musicList() const { return _nMusiclist; }
  const std::string& lastTrack() const { return _lastTrack; }
  tVorbis* currentMusic() const { return _music.get(); }
  float musicLevel() const { return _musicLevel; }
  float musicMix() const { return _musicMix; }
  const std::vector<tAudioSound>& sounds() const { return _sounds; }
  size_t shoutCount() const { return _shouts.size(); }

 protected:
  std::array<std::vector<std::string>, MUSICLISTS> _musiclist;
  int32_t _nMusiclist = 0;
  // Position in the current playlist of the track being played.
  std::optional<size_t> _track;
  std::string _lastTrack;
  std::unique_ptr<tVorbis> _music;
  float _musicVolume = 1.0f;
  float _musicMix = 1.0f;
  float _musicLevel = 1.0f;
  float _musicLevelTo = 0.0f;
  float _musicLevelSpeed = 0.0f;
  std::vector<std::unique_ptr<tVorbis>> _shouts;
  std::vector<tAudioSound> _sounds;
  tPauseOwners _pauseSound;
  tPauseOwners _pauseMusic;

 private:
  void _startSound(const std::string& name, float volume, float mix, double seconds);
  float _musicGain() const;

  // Tracks that could not be opened since the playlists were loaded: a
  // playlist of missing tracks must not look them up (and, in archive mode,
  // notify the player) every frame.
  std::set<std::string> _unplayable;
};

}  // namespace vandrell
