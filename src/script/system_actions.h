// Actions that change nothing themselves but play one of the level's system
// commands ("__fadein", "__enabledarkmask", "__enablemistake", ...), handing
// it their value in the variable "__in" where they have one. What fading or
// the dark mask look like is the level's own script; a level that defines
// none of these commands is not bothered.
#pragma once

#include <algorithm>
#include <cstddef>

#include "gui/app_messages.h"
#include "script/zeb_action.h"

namespace vandrell {

// A command name as a template argument: tPlayCall<"__fadein">.
template <size_t N>
struct tSystemCommand {
  constexpr tSystemCommand(const char (&text)[N]) { std::copy_n(text, N, name); }  // NOLINT: implicit on purpose
  char name[N];
};

// What a valued system command finds in "__in".
enum class tInValue { NUMBER, AS_IS };

class tSystemCall : public tZebAction {
 protected:
  // "__in" = argument 0, read as a number or kept as it is (number or object).
  void passArgument(tInValue kind);
  // Argument 0 as a switch: any number but 0 is on, or, truncated first, any
  // number whose whole part is not 0.
  bool switchedOn(bool truncate);
};

// Plays the command as a level plays a command of its own: to its end, from
// the start (M_COMMAND_PLAYCALL).
template <tSystemCommand Name>
class tPlayCall : public tSystemCall {
 public:
  float exec() override {
    M_COMMAND_PLAYCALL::send(Name.name);
    return 0.0f;
  }
};

// Sets "__in" to argument 0, then plays the command.
template <tSystemCommand Name, tInValue Kind = tInValue::NUMBER>
class tPlayCallWith : public tSystemCall {
 public:
  float exec() override {
    passArgument(Kind);
    M_COMMAND_PLAYCALL::send(Name.name);
    return 0.0f;
  }
};

// One of two commands by a switch argument, sent with the message `Call`.
// "darkmask" truncates its number first, so 0.5 switches the mask off;
// "mistake" takes any number but 0 as on.
template <class Call, tSystemCommand On, tSystemCommand Off, bool Truncate>
class tSwitchCall : public tSystemCall {
 public:
  float exec() override {
    Call::send(switchedOn(Truncate) ? On.name : Off.name);
    return 0.0f;
  }
};

using tZebAction_fadein = tPlayCall<"__fadein">;
using tZebAction_fadeout = tPlayCall<"__fadeout">;
using tZebAction_fadehalf = tPlayCall<"__fadehalf">;

using tZebAction_darkmask = tSwitchCall<M_COMMAND_PLAYCALL, "__enabledarkmask", "__disabledarkmask", true>;
using tZebAction_darkmasksize = tPlayCallWith<"__darkmasksize">;
using tZebAction_darkmaskwidth = tPlayCallWith<"__darkmaskwidth">;
using tZebAction_darkmaskheight = tPlayCallWith<"__darkmaskheight">;
using tZebAction_darkmaskalpha = tPlayCallWith<"__darkmaskalpha">;
using tZebAction_darkmaskalphamodify = tPlayCallWith<"__darkmaskalphamodify">;
using tZebAction_overondarkmask = tPlayCall<"__overondarkmask">;
using tZebAction_overoffdarkmask = tPlayCall<"__overoffdarkmask">;
using tZebAction_changedarkmask = tPlayCallWith<"__changedarkmask", tInValue::AS_IS>;
using tZebAction_resetdarkmask = tPlayCall<"__resetdarkmask">;

// The level's own reaction to a wrong click switched on or off; the commands
// run at once, as far as their first wait.
using tZebAction_mistake = tSwitchCall<M_COMMAND_NEXTCALL, "__enablemistake", "__disablemistake", false>;

// Run once at start-up, after the script language is installed.
void RegisterSystemActions();

}  // namespace vandrell
