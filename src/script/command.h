// Commands: named scripts of a level made of action blocks. A playing command
// runs its current block on every update, counting waits down in game time;
// when the block is done a plain command pauses, or with looping set goes on
// with its next block.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/object.h"
#include "resources/config.h"
#include "script/action.h"

namespace vandrell {

class tCommand;
using tCommandPtr = std::shared_ptr<tCommand>;

class tCommand : public tGuiObject {
  VANDRELL_GUI_HOOKS(tCommand, tGuiObject, &tCommand::GUIMSG_UPDATE)

 public:
  // Keys "play", "enable", "genable", "n", "block.n" and "wait"; every key
  // missing from a save reads as 0.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);
  // The global flag belongs to whole-level switches and groups, the own flag
  // to the command; it runs only while both are set.
  virtual void genable(int32_t v) { _genable = v; }
  virtual void enable(int32_t v) { _enable = v; }
  virtual int32_t isEnable() { return _enable && _genable ? 1 : 0; }
  // Goes on with the next block when the current one is done.
  virtual void play();
  virtual void pause() { _play = 0; }
  virtual int32_t isPlay() { return _play; }
  // Plays from the first block.
  virtual void start();
  virtual void stop();
  // Moves to the next block and runs its first actions at once.
  virtual void nextcall();
  virtual void playcall();
  virtual void nextblock();
  virtual void blockComplete();
  virtual int32_t isBlockComplete();
  virtual void looping(int32_t v) { _looping = v; }
  // `delta` in seconds.
  virtual void update(float delta);
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  static tCommandPtr Parse(const std::string& text);
  // The id of the command whose actions are running (the innermost one when a
  // command calls another); "" while none is.
  static const std::string& Running();

  void blocks(std::vector<tActionBlockPtr> blocks) { _blocks = std::move(blocks); }
  const std::vector<tActionBlockPtr>& blocks() const { return _blocks; }

 protected:
  // One block per "[...]" pair, or the whole text as one block.
  static std::vector<tActionBlockPtr> ParseBlocks(const std::string& text);
  // The block at _n, or null when the command is stopped.
  tActionBlock* currentBlock() const;

  int32_t _n = -1;
  std::vector<tActionBlockPtr> _blocks;
  float _wait = 0.0f;
  int32_t _genable = 1;
  int32_t _enable = 1;
  int32_t _play = 0;
  int32_t _looping = 0;
};

// A command played once: it leaves its command set when its block is done.
class tRunableCommand : public tCommand {
  VANDRELL_GUI_HOOKS(tRunableCommand, tCommand)

 public:
  void blockComplete() override;

  static std::shared_ptr<tRunableCommand> Parse(const std::string& text);
};

}  // namespace vandrell
