// Shared pieces of the mission and item tests: an audio manager that writes
// down the level sounds it is asked for, a command that counts its plays, and
// records as "missions.cfg" writes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "platform/process_wide.h"
#include "scene/item_mission.h"
#include "scene/mission_book.h"
#include "script/command.h"

namespace vandrell {

class tSoundLog : public tAudio {
  VANDRELL_GUI_HOOKS(tSoundLog, tAudio)

 public:
  // "name volume", volume with one decimal.
  void sound(const std::string& name, float volume) override {
    const int32_t tenths = static_cast<int32_t>(volume * 10.0f + 0.5f);
    played.push_back(name + " " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
  }

  std::vector<std::string> played;
};

class tCountingCommand : public tCommand {
  VANDRELL_GUI_HOOKS(tCountingCommand, tCommand)

 public:
  void playcall() override { ++plays; }

  int plays = 0;
};

// The parameters line of a record: shown or hidden, enabled or disabled,
// the count the file gives, cursor code 0.
inline std::vector<std::string> MissionParams(int32_t count, bool hidden = false, bool disabled = false) {
  return {hidden ? "1" : "0", disabled ? "1" : "0", std::to_string(count), "0"};
}

// A level's missions with the sounds they play written down.
class tMissionWorld {
 public:
  tMissionPtr text(const std::string& id, int32_t count = 1) {
    return book.add(id, "textmission", {}, MissionParams(count), nullptr);
  }
  std::shared_ptr<tItemMission> item(const std::string& id, int32_t count = 1, bool hidden = false) {
    return std::dynamic_pointer_cast<tItemMission>(
        book.add(id, "itemmission", {}, MissionParams(count, hidden), nullptr));
  }

  tMissionBook book;
  std::shared_ptr<tSoundLog> sounds = std::make_shared<tSoundLog>();

 private:
  tCurrentScope<tAudio> _audio{sounds};
};

}  // namespace vandrell
