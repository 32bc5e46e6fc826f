#include "audio/audio.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>

#include "core/numeric.h"
#include "core/settings.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "platform/random.h"
#include "resources/media_lookup.h"

namespace vandrell {

namespace {

// The next line of the stream that is not blank, trimmed; "" at the end.
std::string nextEntryLine(TStream& stream) {
  while (!stream.eof()) {
    std::string line = TrimConfigLine(stream.readLine());
    if (!line.empty()) return line;
  }
  return "";
}

// A playlist number: decimal, 0 to 999.
std::optional<int32_t> playlistNumber(const std::string& text) {
  int32_t number = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 0 || number >= tAudio::MUSICLISTS) return std::nullopt;
  return number;
}

// The track's own volume: the number on the first line of its ".ogg.vol"
// file, 1 without one.
float trackVolume(const std::string& name) {
  const TStreamPtr file = tFile::Current().musicVolume(name);
  if (!file) return 1.0f;
  return static_cast<float>(std::atof(file->readLine().c_str()));
}

bool hasSection(const tConfigBase& config, const std::string& section) {
  const std::vector<std::string> sections = config.Sections();
  return std::find(sections.begin(), sections.end(), section) != sections.end();
}

}  // namespace

void tAudioSound::setupVolume() { stream->volume(volume * mix * tSettings::Current().VOLUME_SOUND); }

tAudio& tAudio::Current() { return tProcessWide<tAudio>::get(); }

int32_t tAudio::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const tSettings& settings = tSettings::Current();
  if (!settings.AUDIO_ON) return 0;
  updateShouts();
  updateSounds(msg.delta());
  if (settings.MUSIC_ON) updateMusic(msg.delta());
  return 0;
}

void tAudio::loadTracks(const TStreamPtr& source) {
  for (std::vector<std::string>& list : _musiclist) list.clear();
  _unplayable.clear();
  while (source && !source->eof()) {
    const std::string name = nextEntryLine(*source);
    if (name.empty()) break;
    const std::string number = nextEntryLine(*source);
    if (const std::optional<int32_t> list = playlistNumber(number)) {
      _musiclist[*list].push_back(name);
    } else {
      DebugLog("music> " + name + ": playlist number \"" + number + "\" is not 0 to 999");
    }
  }
  for (std::vector<std::string>& list : _musiclist) {
    const auto last = static_cast<int32_t>(list.size()) - 1;
    for (size_t i = 0; i < list.size(); ++i) {
      const int32_t a = Rand(0, last), b = Rand(0, last);
      if (a != b) std::swap(list[a], list[b]);
    }
  }
  musiclist(0);
}

const std::vector<std::string>& tAudio::tracks(int32_t n) const {
  static const std::vector<std::string> none;
  return n >= 0 && n < MUSICLISTS ? _musiclist[n] : none;
}

void tAudio::musiclist(int32_t n) {
  _music.reset();
  _track.reset();
  _nMusiclist = n;
}

void tAudio::nextTrack() { _music.reset(); }

void tAudio::music(const std::string& name) {
  const tSettings& settings = tSettings::Current();
  if (!settings.AUDIO_ON || !settings.MUSIC_ON) return;
  _music.reset();
  if (_unplayable.count(name)) return;
  DebugLog("music> " + name);
  _music = tVorbis::create(tFile::Current().music(name), "music> " + name);
  if (!_music) {
    _unplayable.insert(name);
    return;
  }
  _musicVolume = trackVolume(name);
  _music->volume(_musicGain());
  _music->play();
}

void tAudio::zeb_musiclist(int32_t n) { musiclist(n); }

void tAudio::zeb_musicvolume(float level, float seconds) {
  _musicLevelTo = level;
  _musicLevelSpeed = seconds > 0.0f ? (level - _musicLevel) / seconds : 1000.0f;
}

void tAudio::shout(const std::string& name, float volume) {
  const tSettings& settings = tSettings::Current();
  if (!settings.AUDIO_ON) return;
  DebugLog("shout> " + name);
  std::unique_ptr<tVorbis> stream = tVorbis::create(tFile::Current().sound(name), "shout> " + name);
  if (!stream) return;
  stream->volume(volume * settings.VOLUME_SOUND);
  stream->play();
  _shouts.push_back(std::move(stream));
}

void tAudio::shout_treat() { shout("click_menu", 0.3f); }
void tAudio::shout_click() { shout("click_menu2", 0.3f); }
void tAudio::shout_sos() { shout("sos", 1.0f); }
void tAudio::shout_addsos() { shout("butterfly", 0.7f); }
void tAudio::shout_showmessage() { shout("msgshow", 0.8f); }
void tAudio::shout_hidemessage() { shout("msghide", 0.9f); }

void tAudio::sound(const std::string& name, float volume) {
  if (!tSettings::Current().AUDIO_ON) return;
  DebugLog("sound> " + name);
  _startSound(name, volume, 1.0f, 0.0);
}

void tAudio::zeb_sound(const std::string& name, float volume) { sound(name, volume); }

void tAudio::soundRestore(const std::string& name, float volume, double seconds) {
  _startSound(name, volume, 0.0f, seconds);
}

void tAudio::_startSound(const std::string& name, float volume, float mix, double seconds) {
  if (!tSettings::Current().AUDIO_ON) return;
  std::unique_ptr<tVorbis> stream = tVorbis::create(tFile::Current().sound(name), "sound> " + name);
  if (!stream) return;
  if (seconds != 0.0) stream->seek(seconds);
  tAudioSound& added = _sounds.emplace_back(tAudioSound{std::move(stream), name, volume, mix, 0});
  added.setupVolume();
  added.stream->play();
}

void tAudio::stopsounds(const std::string& name) {
  for (tAudioSound& sound : _sounds) {
    if (name.empty() || sound.name == name) sound.stop = 1;
  }
}

void tAudio::zeb_stopsound(const std::string& name) { stopsounds(name); }

void tAudio::zeb_stopsounds() { stopsounds(""); }

void tAudio::pauseSound(int32_t flag, tPauseOwner owner) { _pauseSound.pause(flag != 0, owner); }

void tAudio::pauseMusic(int32_t flag, tPauseOwner owner) { _pauseMusic.pause(flag != 0, owner); }

bool tAudio::isPauseSound() const { return _pauseSound.isPause(); }

bool tAudio::isPauseMusic() const { return _pauseMusic.isPause(); }

void tAudio::clear() {
  for (std::vector<std::string>& list : _musiclist) list.clear();
  _track.reset();
  _music.reset();
  _musicVolume = _musicMix = _musicLevel = 1.0f;
  _musicLevelSpeed = 0.0f;
  _shouts.clear();
  _sounds.clear();
  _pauseSound.clear();
  _pauseMusic.clear();
  _unplayable.clear();
}

void tAudio::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetInt(section, "musicList", _nMusiclist);
  config.SetFloat(section, "musicLevel", _musicLevel);
  config.SetFloat(section, "musicLevelTo", _musicLevelTo);
  config.SetFloat(section, "musicLevelSpeed", _musicLevelSpeed);
}

void tAudio::loadInstant(const tConfigBase& config, const std::string& section) {
  musiclist(config.GetInt(section, "musicList", 0));
  // A save without the music level (written before the audio kept one) plays
  // the music at its usual level rather than silenced.
  _musicLevel = config.GetFloat(section, "musicLevel", 1.0f);
  _musicLevelTo = config.GetFloat(section, "musicLevelTo", 1.0f);
  _musicLevelSpeed = config.GetFloat(section, "musicLevelSpeed", 0.0f);
}

void tAudio::saveSounds(tConfigBase& config, const std::string& prefix) const {
  int32_t index = 0;
  for (const tAudioSound& sound : _sounds) {
    if (sound.stop || sound.stream->eof()) continue;
    const std::string section = prefix + std::to_string(index++);
    config.SetString(section, "name", sound.name);
    config.SetFloat(section, "volume", sound.volume);
    config.SetDouble(section, "seek", sound.stream->position());
  }
}

void tAudio::loadSounds(const tConfigBase& config, const std::string& prefix) {
  for (int32_t index = 0;; ++index) {
    const std::string section = prefix + std::to_string(index);
    if (!hasSection(config, section)) return;
    soundRestore(config.GetString(section, "name", ""), config.GetFloat(section, "volume", 0.0f),
                 config.GetDouble(section, "seek", 0.0));
  }
}

void tAudio::updateShouts() {
  std::erase_if(_shouts, [](const std::unique_ptr<tVorbis>& shout) {
    if (shout->eof()) return true;
    shout->decode();
    return false;
  });
}

void tAudio::updateSounds(float delta) {
  const bool paused = isPauseSound();
  std::erase_if(_sounds, [&](tAudioSound& sound) {
    const bool fading = sound.stop || paused;
    sound.mix = approachf(sound.mix, fading ? 0.0f : 1.0f, _mixSpeed * delta);
    if (sound.mix <= 0.0f) {
      if (sound.stop) return true;
      sound.stream->pause();
      return false;
    }
    if (sound.stream->paused()) sound.stream->play();
    if (sound.stream->eof()) return true;
    sound.stream->decode();
    sound.setupVolume();
    return false;
  });
}

void tAudio::updateMusic(float delta) {
  if (!_music || _music->eof()) {
    const std::vector<std::string>& list = tracks(_nMusiclist);
    if (_track && ++*_track >= list.size()) _track.reset();
    // After the playlist's last track it starts over, skipping the track just
    // played when there is another.
    if (!_track && !list.empty()) _track = list.size() > 1 && list[0] == _lastTrack ? 1 : 0;
    if (_track) {
      _lastTrack = list[*_track];
      music(_lastTrack);
    }
  }
  _musicLevel = approachf(_musicLevel, _musicLevelTo, _musicLevelSpeed * delta);
  if (!_music) return;
  _musicMix = approachf(_musicMix, isPauseMusic() ? 0.0f : 1.0f, _mixSpeed * delta);
  if (_musicMix <= 0.0f) {
    _music->pause();
    return;
  }
  if (_music->paused()) _music->play();
  _music->decode();
  _music->volume(_musicGain());
}

float tAudio::_musicGain() const {
  return _musicLevel * _musicVolume * _musicMix * tSettings::Current().VOLUME_MUSIC;
}

}  // namespace vandrell
