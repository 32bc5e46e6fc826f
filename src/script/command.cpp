#include "script/command.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/log.h"
#include "script/command_text.h"

namespace vandrell {

namespace {
// Commands call each other through actions, and a called command runs its
// first actions at once. A script whose commands keep calling one another
// would nest without end, and a looping one that calls itself would rerun
// every level it unwinds through. So one run of actions (everything an update
// or a call from outside sets off) may nest calls only so deep and make only
// so many; loops written as a command calling itself stay well below both.
constexpr int32_t MAX_NESTED_RUNS = 200;
constexpr int32_t MAX_CALLS_PER_RUN = 1000;
int32_t nestedRuns = 0;
int32_t callsThisRun = 0;
// The ids of the commands running actions, the innermost last.
std::vector<std::string> running;

// Whether a call from inside a running action must be dropped.
bool callRefused(const std::string& id) {
  if (nestedRuns == 0) return false;
  if (nestedRuns < MAX_NESTED_RUNS && callsThisRun < MAX_CALLS_PER_RUN) {
    ++callsThisRun;
    return false;
  }
  if (callsThisRun <= MAX_CALLS_PER_RUN) {
    DebugLog("Command " + id + ": commands call each other without end; the calls are dropped.");
    callsThisRun = MAX_CALLS_PER_RUN + 1;  // reported once per run
  }
  return true;
}

class tNestedRun {
 public:
  explicit tNestedRun(const std::string& id) {
    if (nestedRuns++ == 0) callsThisRun = 0;
    running.push_back(id);
  }
  ~tNestedRun() {
    --nestedRuns;
    running.pop_back();
  }
  tNestedRun(const tNestedRun&) = delete;
  tNestedRun& operator=(const tNestedRun&) = delete;
};
}  // namespace

void tCommand::saveInstant(tConfigBase& cfg, const std::string& section) {
  cfg.SetInt(section, "play", _play);
  cfg.SetInt(section, "enable", _enable);
  cfg.SetInt(section, "genable", _genable);
  cfg.SetInt(section, "n", _n);
  if (const tActionBlock* block = currentBlock()) cfg.SetInt(section, "block.n", block->n());
  cfg.SetFloat(section, "wait", _wait);
}

void tCommand::loadInstant(tConfigBase& cfg, const std::string& section) {
  _play = cfg.GetInt(section, "play", 0);
  _enable = cfg.GetInt(section, "enable", 0);
  _genable = cfg.GetInt(section, "genable", 0);
  _n = cfg.GetInt(section, "n", 0);
  if (_n < -1 || _n >= static_cast<int32_t>(_blocks.size())) {
    DebugLog("Command " + id() + ": saved block " + std::to_string(_n) + " does not exist; stopped.");
    _n = -1;
    _play = 0;
  }
  if (tActionBlock* block = currentBlock()) block->n(cfg.GetInt(section, "block.n", 0));
  _wait = cfg.GetFloat(section, "wait", 0.0f);
}

void tCommand::play() {
  if (!isEnable()) return;
  _play = 1;
  if (isBlockComplete()) nextblock();
}

void tCommand::start() {
  if (!isEnable()) return;
  _n = -1;
  play();
}

void tCommand::stop() {
  _n = -1;
  pause();
}

void tCommand::nextcall() {
  if (!isEnable() || callRefused(id())) return;
  _play = 1;
  nextblock();
  update(0.0f);
}

void tCommand::playcall() {
  if (!_enable || callRefused(id())) return;
  play();
  update(0.0f);
}

void tCommand::nextblock() {
  if (_blocks.empty()) {
    _n = -1;
  } else {
    _n = std::max(0, _n + 1) % static_cast<int32_t>(_blocks.size());
    _blocks[_n]->restart();
  }
  _wait = 0.0f;
}

void tCommand::blockComplete() {
  if (_looping && _play) {
    play();
  } else {
    pause();
  }
}

int32_t tCommand::isBlockComplete() {
  const tActionBlock* block = currentBlock();
  if (!block) return 1;
  return _wait == 0.0f && block->isComplete() ? 1 : 0;
}

void tCommand::update(float delta) {
  if (!isEnable() || !isPlay()) return;
  _wait -= delta;
  if (_wait > 0.0f) return;
  // An action may release the last owner of this command.
  const std::shared_ptr<tGuiObject> keepAlive = weak_from_this().lock();
  {
    const tNestedRun nested(id());
    tActionBlock* block = currentBlock();
    _wait = block ? block->exec() : 0.0f;
  }
  if (isBlockComplete()) blockComplete();
}

int32_t tCommand::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  update(msg.delta());
  return 0;
}

tCommandPtr tCommand::Parse(const std::string& text) {
  auto command = std::make_shared<tCommand>();
  command->blocks(ParseBlocks(text));
  return command;
}

std::vector<tActionBlockPtr> tCommand::ParseBlocks(const std::string& text) {
  std::vector<tActionBlockPtr> blocks;
  for (const auto& blockText : CommandBlockTexts(text)) blocks.push_back(tActionBlock::Parse(blockText));
  return blocks;
}

tActionBlock* tCommand::currentBlock() const {
  return _n >= 0 && _n < static_cast<int32_t>(_blocks.size()) ? _blocks[_n].get() : nullptr;
}

const std::string& tCommand::Running() {
  static const std::string none;
  return running.empty() ? none : running.back();
}

void tRunableCommand::blockComplete() { free(); }

std::shared_ptr<tRunableCommand> tRunableCommand::Parse(const std::string& text) {
  auto command = std::make_shared<tRunableCommand>();
  command->blocks(ParseBlocks(text));
  return command;
}

}  // namespace vandrell
