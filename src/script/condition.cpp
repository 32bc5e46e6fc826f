#include "script/condition.h"

namespace vandrell {

void tCondition::saveInstant(tConfigBase& cfg, const std::string& section) {
  tCommand::saveInstant(cfg, section);
  cfg.SetInt(section, "condenable", _condenable);
}

void tCondition::loadInstant(tConfigBase& cfg, const std::string& section) {
  tCommand::loadInstant(cfg, section);
  _condenable = cfg.GetInt(section, "condenable", 0);
}

void tCondition::genable(int32_t v) {
  tCommand::genable(v);
  rearm();
}

void tCondition::enable(int32_t v) {
  tCommand::enable(v);
  rearm();
}

void tCondition::blockComplete() {
  if (_autodisable) enable(0);
}

void tCondition::check() {
  if (!_condenable || !isEnable() || !_cond || _cond->calc()->ToNumber() == 0.0f) return;
  if (_autodisable) _condenable = 0;
  playcall();
}

std::shared_ptr<tCondition> tCondition::Parse(const std::string& text) {
  auto condition = std::make_shared<tCondition>();
  condition->blocks(ParseBlocks(text));
  return condition;
}

void tCondition::rearm() {
  if (isEnable()) _condenable = 1;
}

}  // namespace vandrell
