// Missions: the tasks of a level. Each counts down what is left to do (the
// pics tagged with it plus the level file's own count), can be hidden and
// disabled by scripts, gives its pics a cursor, plays a sound for every click
// it counts and another when it is done, and runs a command on completion.
//
// A click on a pic counts for each of the pic's missions that accepts it at
// that moment (test). Kinds: the text mission (this class), the item mission
// of the bottom panel (item_mission.h), the hidden mission that hints never
// point at, and the system mission that takes every click and never ends.
//
// Missions tell the running level about changes by broadcasts (cursors,
// counters, availability of pics, mission groups); the level owns them, and
// pics, items and the selection refer to them weakly.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "script/command.h"

namespace vandrell {

class tMission;
using tMissionPtr = std::shared_ptr<tMission>;
using tMissionList = std::vector<tMissionPtr>;

class tMission : public std::enable_shared_from_this<tMission> {
 public:
  // The two sounds: one per counted click, one on completion.
  static constexpr size_t SOUND_APPLY = 0;
  static constexpr size_t SOUND_COMPLETE = 1;
  // Played for a sound field that asks for the default.
  static constexpr const char* DEFAULT_SOUND = "get1";

  virtual ~tMission() = default;

  // Keys "counter", "show" and "enable"; restoring stores them and sends
  // nothing (the level sends the counters once all is restored).
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);

  // The counter saturates instead of wrapping, whatever the level file says.
  virtual void count(int32_t n) { _counter = n; }
  virtual int32_t getCount() const { return _counter; }
  virtual void inc();
  virtual void dec();
  // A change tells the pics; showing also hands out the cursor and the
  // counter, hiding takes the cursor back.
  virtual void show(int32_t on);
  virtual int32_t isShow() const { return _show; }
  virtual void enable(int32_t on);
  virtual int32_t isEnable() const { return _enable; }
  virtual const std::string& id() const { return _id; }
  // The completion command, null when there is none or the level dropped it.
  virtual tCommandPtr a() const { return _a.lock(); }
  virtual int32_t cursor() const { return _cursor; }

  // The level loader configures a mission with these, in this order; none of
  // them broadcasts.
  virtual void loadId(const std::string& id) { _id = id; }
  // Fields: hidden, disabled, initial counter, cursor code (0 is stored as
  // -1). Missing or malformed fields read as 0.
  virtual void loadParams(const std::vector<std::string>& fields);
  virtual void loadAction(const tCommandPtr& command) { _a = command; }
  // Fields: the apply sound and the optional complete sound, each "name" or
  // "name=volume". An empty or "0" apply sound is the default, an absent or
  // empty complete sound is silence; "0" for it is the default; "-1" and
  // "nosound" are silence for both.
  virtual void loadSounds(const std::vector<std::string>& fields);
  // Play through the audio manager; nothing for a silent sound.
  virtual void soundApply();
  virtual void soundComplete();

  // Whether a click counts now: nothing is selected in the panel, and the
  // mission is shown, enabled and not complete.
  virtual int32_t test() const;
  // Whether a hint may point at this mission's pics.
  virtual int32_t sosAvail() const;
  // One counted click: one less to do, the counter sent, and completion when
  // that was the last. `flag` non-zero asks for a mission-group check on
  // completion; the level's click passes 0 and checks once for all missions.
  virtual void apply(int32_t flag);
  // Done at once: no more to do, released from the panel's selection, cursor
  // taken back, the completion command played.
  virtual void complete(int32_t flag);
  virtual int32_t isComplete() const { return _counter <= 0 ? 1 : 0; }

  // 1 when some mission of `list` accepts a click now.
  static int32_t tests(const tMissionList& list);

  // The sound (empty: silent) and volume of SOUND_APPLY or SOUND_COMPLETE.
  const std::string& sound(size_t which) const { return _sounds.at(which); }
  float volume(size_t which) const { return _volumes.at(which); }

 protected:
  // This mission as the broadcasts carry it; null for one not owned by a
  // shared pointer.
  tMissionPtr self() { return weak_from_this().lock(); }
  // Shown, enabled and not complete: what every kind asks before the rest
  // of its own rule.
  int32_t isOpen() const;
  virtual void playSound(size_t which);

  int32_t _counter = 0;
  int32_t _show = 0;
  int32_t _enable = 0;
  std::string _id;
  std::weak_ptr<tCommand> _a;
  int32_t _cursor = 0;
  std::array<std::string, 2> _sounds;
  std::array<float, 2> _volumes = {0.0f, 0.0f};
};

// Its pics are never pointed at by hints.
class tHiddenMission : public tMission {
 public:
  int32_t sosAvail() const override { return 0; }
};

// A system mission (scenery to look at, use or go back through): it accepts
// every click, so such clicks are never mistakes, and it never finishes.
class tDummyMission : public tMission {
 public:
  void apply(int32_t flag) override {}
  void complete(int32_t flag) override {}
  int32_t test() const override { return 1; }
  int32_t isComplete() const override { return 0; }
  int32_t sosAvail() const override { return 0; }
};

// Adds `n` to `value`, saturating at the Int range.
int32_t SaturatedAdd(int32_t value, int64_t n);

}  // namespace vandrell
