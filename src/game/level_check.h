// Checking levels for content creators. A level is loaded with the game's own
// loader, headless, and every line the load writes to the debug log is kept
// with the place it was written in (file and line of the record at fault).
// Then the whole loaded level is looked over for what no single record
// shows: sounds and music that are missing, tags that name no mission, texts
// that name no message, pictures off the screen.
//
// Last, the level is run as the player first sees it (its start commands
// up to their first wait) and looked at: the words of labels and texts in
// their slots, and, when there is a graphics context to draw in, how
// findable every hidden thing is (see findability.h).
//
// Severity: a line written while a record was read is an error (the loader
// and the parts below it write there only about problems), lines written
// outside any record are notes (progress, optional files that are absent);
// the checks of the whole level say their own.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/findability.h"

namespace vandrell {

class tLevel;
class tPicText;

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
  // Those level folders, in the campaign's order.
  static std::vector<std::string> CampaignLevels();

  // The hidden things of one level as measured, location by location.
  struct tLevelFigures {
    std::string path;
    std::vector<tFindability::tThing> things;
  };

  const std::vector<tFinding>& findings() const { return _findings; }
  int32_t count(tSeverity severity) const;
  const std::vector<tLevelFigures>& figures() const { return _figures; }

 protected:
  virtual void checkLevel(const tLevel& level);
  void checkSounds(const tLevel& level);
  void checkNames(const tLevel& level);
  // Every action argument that names a mission, command, group, location,
  // message or text source the level does not have.
  void checkArguments(const tLevel& level);
  void checkScreen(const tLevel& level);
  // Runs the level's start and looks at what shows.
  virtual void checkSight(tLevel& level);
  // Labels and texts that do not fit their slots or run over a neighbour.
  void checkWords(const tLevel& level);
  // A word wider than the text's box, or lines beyond its height.
  void checkText(const tLevel& level, const tPicText& text);
  // Every hidden thing, its location shown, measured and judged.
  void checkFindability(tLevel& level);
  void judge(const tLevel& level, const tFindability::tThing& thing);
  void add(tSeverity severity, const std::string& place, const std::string& text);

  std::vector<tFinding> _findings;
  // Where the loader read each pic and on-screen text, and each mission, of
  // the level being checked.
  std::map<std::string, std::string> _picPlaces;
  std::map<std::string, std::string> _missionPlaces;
  std::vector<tLevelFigures> _figures;
};

}  // namespace vandrell
