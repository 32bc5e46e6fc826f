// A stand-in for the running level as script actions see it: it holds named
// commands (which get the updates through it), finds them and its command
// groups by name, turns calls into the named command's nextcall() or
// playcall(), checks its conditions, and writes down the game-flow messages it
// hears. Together with a fresh GUI root, the script language and the whole
// vocabulary with the script folder's actions bound.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "gui/app_messages.h"
#include "gui/gui.h"
#include "platform/process_wide.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/command_group.h"
#include "script/condition.h"
#include "script/script_actions.h"
#include "support/log_capture.h"
#include "zeb_script_scope.h"

namespace vandrell {

class tScriptLevel : public tGuiSet {
  VANDRELL_GUI_HOOKS(tScriptLevel, tGuiSet, &tScriptLevel::M_COMMAND_FIND, &tScriptLevel::M_COMMANDGROUPS_FIND,
                     &tScriptLevel::M_COMMAND_NEXTCALL, &tScriptLevel::M_COMMAND_PLAYCALL,
                     &tScriptLevel::M_COMMAND_CHECK, &tScriptLevel::note<M_GAME_FAIL>,
                     &tScriptLevel::note<M_LEVEL_FAIL>,
                     &tScriptLevel::note<M_LEVEL_COMPLETE>, &tScriptLevel::note<M_LEVEL_FASTCOMPLETE>,
                     &tScriptLevel::note<M_LEVEL_GAME>, &tScriptLevel::note<M_LEVEL_EXTRA>,
                     &tScriptLevel::note<M_GAME_AUTOSAVE>, &tScriptLevel::note<M_GAME_RESTARTLEVEL>)

 public:
  virtual int32_t M_COMMAND_FIND(vandrell::M_COMMAND_FIND& msg) {
    msg.answer(std::dynamic_pointer_cast<tCommand>(find(msg.input())));
    return 0;
  }
  virtual int32_t M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg) {
    const auto found = groups.find(msg.input());
    if (found != groups.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
    calls.push_back(msg.input());
    if (const auto command = std::dynamic_pointer_cast<tCommand>(find(msg.input()))) command->nextcall();
    return 0;
  }
  virtual int32_t M_COMMAND_PLAYCALL(vandrell::M_COMMAND_PLAYCALL& msg) {
    if (const auto command = std::dynamic_pointer_cast<tCommand>(find(msg.input()))) command->playcall();
    return 0;
  }
  virtual int32_t M_COMMAND_CHECK(vandrell::M_COMMAND_CHECK&) {
    for (const auto& member : order()) {
      if (const auto condition = std::dynamic_pointer_cast<tCondition>(member)) condition->check();
    }
    return 0;
  }
  template <class Message>
  int32_t note(Message&) {
    heard.push_back(typeid(Message).name());
    return 0;
  }

  // A plain command, or a looping one, under `name`, in place of any other.
  tCommandPtr command(const std::string& name, const std::string& text, int32_t looping = 0) {
    remove(name);
    auto made = tCommand::Parse(text);
    made->looping(looping);
    insert(made, name);
    return made;
  }
  std::shared_ptr<tCondition> condition(const std::string& name, const std::string& expr, const std::string& text) {
    auto made = tCondition::Parse(text);
    made->condition(tExpr::Create(expr));
    insert(made, name);
    return made;
  }

  std::map<std::string, std::shared_ptr<tCommandGroup>> groups;
  std::vector<std::string> calls;
  std::vector<std::string> heard;
};

template <class Message>
std::string Heard() {
  return typeid(Message).name();
}

class ScriptLevelTest : public ::testing::Test {
 protected:
  ScriptLevelTest() {
    RegisterScriptActions();
    tGui::Current().insert(level, "level");
  }

  // The value of a script variable as a number.
  float var(const std::string& name) { return script.book().get(name)->ToNumber(); }
  // Runs `text` once as the command `name`, as far as its first wait.
  tCommandPtr run(const std::string& text, const std::string& name = "script") {
    auto command = level->command(name, text);
    command->start();
    command->update(0.0f);
    return command;
  }

  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  LogCapture log;
  std::shared_ptr<tScriptLevel> level = std::make_shared<tScriptLevel>();
};

}  // namespace vandrell
