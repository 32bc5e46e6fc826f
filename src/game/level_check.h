// Checking levels for content creators. A level is loaded with the game's own
// loader, headless, and every line the load writes to the debug log is kept
// with the place it was written in (file and line of the record at fault).
// Then the whole loaded level is looked over for what no single record
// shows: sounds and music that are missing, tags that name no mission, texts
// that name no message, pictures off the screen.
//
// Severity: a line written while a record was read is an error (the loader
// and the parts below it write there only about problems), lines written
// outside any record are notes (progress, optional files that are absent);
// the checks of the whole level say their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vandrell {

class tLevel;
class tLevelLoader;

class tLevelCheck {
 public:
  enum tSeverity { NOTE, WARNING, ERROR };
  struct tFinding {
    tSeverity severity = NOTE;
    // "file:line", or "" where nothing narrower is known.
    std::string place;
    std::string text;
  };

  virtual ~tLevelCheck() = default;

  // Loads the level folder `path` (below "locations/") and checks it. The
  // script language must be installed, as it is for the game.
  virtual void check(const std::string& path);
  // Every level folder the campaign file names, each once; an error when
  // there is no campaign file.
  virtual void checkCampaign();

  const std::vector<tFinding>& findings() const { return _findings; }
  int32_t count(tSeverity severity) const;

 protected:
  // `loader` built the level and knows where its records are.
  virtual void checkLevel(const tLevel& level, const tLevelLoader& loader);
  void checkSounds(const tLevel& level, const tLevelLoader& loader);
  void checkNames(const tLevel& level, const tLevelLoader& loader);
  // Every action argument that names a mission, command, group, location,
  // message or text source the level does not have.
  void checkArguments(const tLevel& level);
  void checkScreen(const tLevel& level, const tLevelLoader& loader);
  void add(tSeverity severity, const std::string& place, const std::string& text);

  std::vector<tFinding> _findings;
};

}  // namespace vandrell
