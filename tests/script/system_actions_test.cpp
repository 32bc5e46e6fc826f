// The actions that hand their work to the level's system commands: which
// command each plays, how, and what it finds in "__in".
#include "script/system_actions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "script/expr_value.h"
#include "script/object.h"
#include "script_level.h"

namespace vandrell {

namespace {

class SystemActionsTest : public ScriptLevelTest {
 protected:
  SystemActionsTest() { RegisterSystemActions(); }

  // A system command that records, in the variable `name` + "_in", what it
  // found in "__in", and counts its runs in the variable `name`.
  void define(const std::string& name) { level->command(name, "set=" + name + "_in,__in;set=" + name + "," + name + "+1"); }
};

}  // namespace

TEST_F(SystemActionsTest, DarkMaskActionsPlayTheirCommandWithTheNumberInIn) {
  for (const char* name : {"__darkmasksize", "__darkmaskwidth", "__darkmaskheight", "__darkmaskalpha",
                           "__darkmaskalphamodify", "__enabledarkmask", "__disabledarkmask"}) {
    define(name);
  }
  run("darkms=1.5;darkmsw=2*3;darkmsh=-1;darkma=0.25;darkmam=0.5");
  EXPECT_FLOAT_EQ(var("__darkmasksize_in"), 1.5f);
  EXPECT_FLOAT_EQ(var("__darkmaskwidth_in"), 6.0f);
  EXPECT_FLOAT_EQ(var("__darkmaskheight_in"), -1.0f);
  EXPECT_FLOAT_EQ(var("__darkmaskalpha_in"), 0.25f);
  EXPECT_FLOAT_EQ(var("__darkmaskalphamodify_in"), 0.5f);

  run("darkmask=1;darkm=0.5;darkm=0");
  EXPECT_EQ(var("__enabledarkmask"), 1.0f);
  EXPECT_EQ(var("__disabledarkmask"), 2.0f) << "the switch is truncated first";
  EXPECT_TRUE(level->calls.empty()) << "played, not called";
}

TEST_F(SystemActionsTest, ChangeDarkMaskPassesAnObjectUnchanged) {
  define("__changedarkmask");
  const auto picture = std::make_shared<tObject>();
  script.book().set("picture", tExprObject::Create(picture));
  run("changedarkmask=picture");
  EXPECT_EQ(script.book().get("__changedarkmask_in")->ToObject(), picture);
  run("changedarkmask=7");
  EXPECT_FLOAT_EQ(var("__changedarkmask_in"), 7.0f);
  EXPECT_EQ(var("__changedarkmask"), 2.0f);
}

TEST_F(SystemActionsTest, PlainSystemCommandsAndTheMistakeSwitch) {
  for (const char* name : {"__fadein", "__fadeout", "__fadehalf", "__overondarkmask", "__overoffdarkmask",
                           "__resetdarkmask"}) {
    define(name);
  }
  run("fadein;fadeout;fadeoff;fadehalf;overondarkmask;overoffdarkmask;resetdarkmask");
  EXPECT_EQ(var("__fadein"), 1.0f);
  EXPECT_EQ(var("__fadeout"), 2.0f);
  EXPECT_EQ(var("__fadehalf"), 1.0f);
  EXPECT_EQ(var("__overondarkmask") + var("__overoffdarkmask") + var("__resetdarkmask"), 3.0f);

  run("mistake=0.5;mistake=0;mistake=1");
  EXPECT_EQ(level->calls, (std::vector<std::string>{"__enablemistake", "__disablemistake", "__enablemistake"}))
      << "any number but 0 is on";
}

TEST_F(SystemActionsTest, AnUndefinedSystemCommandIsNoBother) {
  run("fadein;darkms=2;set=after,1");
  EXPECT_EQ(var("after"), 1.0f);
  EXPECT_FLOAT_EQ(var("__in"), 2.0f);
}

}  // namespace vandrell
