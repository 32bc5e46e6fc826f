// Shared pieces of the level tests: the hand-written levels of
// tests/data/levels as the media lookup, the script language with the test
// keywords, a quiet audio manager, and the debug log captured.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "script/test_actions.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"

namespace vandrell {

// Counts the loader's calls.
class tCountingLoading : public tLoading {
 public:
  void interrupt() override { ++calls; }
  int32_t calls = 0;
};

class tLevelWorld {
 public:
  tLevelWorld() {
    ResetTestActions();
    // The markers the loader reads from click commands.
    RegisterAction<tAction>({"type", "addblend", "darkblend", "pass"});
  }

  // A new level loaded from locations/`path`; `loaded` tells how that went.
  std::shared_ptr<tLevel> load(const std::string& path) {
    auto level = std::make_shared<tLevel>();
    loaded = tLevelLoader(*level).load(path, loading);
    return level;
  }
  // The lines written about a record, as "place: line", without the
  // resource cache's progress lines.
  std::vector<std::string> problems() const {
    std::vector<std::string> lines;
    for (const std::string& line : log.placed()) {
      if (line.find(": rm> ") == std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  LogCapture log;
  tCountingLoading loading;
  int32_t loaded = -1;

 private:
  ZebScriptScope _script;
  tCurrentScope<tFile> _media{std::make_shared<tFile>(std::string(VANDRELL_TEST_DATA) + "/levels/")};
  tCurrentScope<tAudio> _audio{std::make_shared<tAudio>()};
};

}  // namespace vandrell
