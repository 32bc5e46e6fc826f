// A location: one scene of a level (a room, a close-up, a system overlay).
// It holds its pics, particle pics and commands in three sets, bottom to top,
// and decides what reaches them: a hidden location receives nothing, a shown
// but disabled one is drawn but frozen (no time, no pointer), a shown and
// enabled one lives.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/message_filter.h"
#include "gui/object_set.h"
#include "resources/config.h"

namespace vandrell {

// The image, animation, label and text pics of a location.
class tLocationPics : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLocationPics, tGuiSet)

 public:
  tLocationPics();
};

// The particle pics: they only move and draw.
class tLocationParticles : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLocationParticles, tGuiSet)

 public:
  tLocationParticles();
};

// The commands: they only run.
class tLocationCommands : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLocationCommands, tGuiSet)

 public:
  tLocationCommands();
};

class tLocation : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLocation, tGuiSet)

 public:
  // Shown and enabled.
  tLocation();

  // Keys "show" and "enable"; restoring sets the filter without refreshing
  // the members or telling the pics.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);
  // The stacking order by name under the keys "0", "1", ... from the bottom.
  // Restoring keeps the same objects and drops those the order does not name.
  virtual void savePics(tConfigBase& cfg, const std::string& section);
  virtual void loadPics(tConfigBase& cfg, const std::string& section);
  virtual void saveParticles(tConfigBase& cfg, const std::string& section);
  virtual void loadParticles(tConfigBase& cfg, const std::string& section);
  // The folder of the location's level files.
  virtual void name(const std::string& folder) { _name = folder; }
  virtual const std::string& getName() const { return _name; }
  virtual tLocationPics& pics() const { return *_pics; }
  virtual tLocationParticles& particles() const { return *_particles; }
  virtual tLocationCommands& commands() const { return *_commands; }
  virtual int32_t isShow() const { return _show; }
  // A change rebuilds the filter, refreshes the members and tells every pic
  // to re-evaluate its availability.
  virtual void show(int32_t on);
  virtual int32_t isEnable() const { return _enable; }
  virtual void enable(int32_t on);
  // With `update` non-zero the members get a zero-time update at once.
  virtual void setupFilters(int32_t update);
  // Every picture of the location fades out over 20 ticks.
  virtual void fade();
  // Empties the three sets, then the location.
  void clear() override;

 protected:
  void changeFlag(int32_t& flag, int32_t on);
  static void saveOrder(const tGuiSet& set, tConfigBase& cfg, const std::string& section);
  static void loadOrder(tGuiSet& set, tConfigBase& cfg, const std::string& section);

  std::shared_ptr<tGuiMessageFilter> _f = std::make_shared<tGuiMessageFilter>();
  std::string _name;
  std::shared_ptr<tLocationPics> _pics = std::make_shared<tLocationPics>();
  std::shared_ptr<tLocationParticles> _particles = std::make_shared<tLocationParticles>();
  std::shared_ptr<tLocationCommands> _commands = std::make_shared<tLocationCommands>();
  int32_t _show = 0;
  int32_t _enable = 0;
};

}  // namespace vandrell
