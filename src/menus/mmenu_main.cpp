#include "menus/mmenu_main.h"

#include "gui/formatter.h"
#include "menus/mmenu.h"
#include "resources/profile.h"

namespace vandrell {

namespace {
// The story has begun once a level was completed, or left with its state
// saved: a player who quit the first level mid-way is offered to continue it.
bool hasBegun(tProfile& profile) { return profile.isProgress() || profile.isSave(""); }
}  // namespace

tMMenuStart::tMMenuStart() : tMMenuHrefMain(MMenuString("mmenu", "start"), 400, 400) {}

void tMMenuStart::_shown() {
  tProfile& profile = tProfile::Current();
  visible(!hasBegun(profile) && !profile.isFinish() ? 1 : 0);
}

void tMMenuStart::_action() { M_COMMAND_NEXTCALL::send("__start"); }

tMMenuContinue::tMMenuContinue() : tMMenuHrefMain(MMenuString("mmenu", "continue"), 400, 400) {}

void tMMenuContinue::_shown() {
  tProfile& profile = tProfile::Current();
  visible(hasBegun(profile) && !profile.isFinish() ? 1 : 0);
}

void tMMenuContinue::_action() { M_COMMAND_NEXTCALL::send("__continue"); }

tMMenuLevel::tMMenuLevel() : tMMenuHrefMain(MMenuString("mmenu", "level"), 400, 400) {}

void tMMenuLevel::_shown() { visible(tProfile::Current().isFinish()); }

void tMMenuLevel::_action() { tMMenu::Current().go<M_MMENU_LEVEL>(); }

tMMenuDiary::tMMenuDiary() : tMMenuHrefMain(MMenuString("mmenu", "diary"), 400, 425) {}

void tMMenuDiary::_action() { tMMenu::Current().go<M_MMENU_DIARY>(); }

tMMenuExtra::tMMenuExtra() : tMMenuHrefMain(MMenuString("mmenu", "extra"), 400, 450) {}

void tMMenuExtra::_shown() {
  const int32_t unseen = tProfile::Current().getExtra();
  value(unseen ? tSf::Create(MMenuString("mmenu", "extraCounter")).d(unseen).sf() : MMenuString("mmenu", "extra"));
}

void tMMenuExtra::_action() { send(M_GAME_EXTRA{}); }

tMMenuOptions::tMMenuOptions() : tMMenuHrefMain(MMenuString("mmenu", "options"), 400, 475) {}

void tMMenuOptions::_action() { tMMenu::Current().go<M_MMENU_OPTIONS>(); }

tMMenuCredits::tMMenuCredits() : tMMenuHrefMain(MMenuString("mmenu", "credits"), 400, 500) {}

void tMMenuCredits::_shown() {
  tProfile& profile = tProfile::Current();
  if (!profile.isFinish() || profile.isFinishCredits()) return;
  profile.finishCredits();
  profile.saveProfile();
  M_COMMAND_NEXTCALL::send("__finishcredits");
}

void tMMenuCredits::_action() { M_COMMAND_NEXTCALL::send("__credits"); }

tMMenuZeb::tMMenuZeb() : tMMenuHrefMain(MMenuString("mmenu", "zeb"), 400, 525) {}

void tMMenuZeb::_action() {
  tMMenu::Current().go<M_MMENU_ZEB>();
  M_COMMAND_NEXTCALL::send("__zeb");
}

tMMenuQuit::tMMenuQuit() : tMMenuHrefMain(MMenuString("mmenu", "quit"), 400, 550) {}

void tMMenuQuit::_action() { tMMenu::Current().go<M_MMENU_QUIT>(); }

tMMenuProfileTitle::tMMenuProfileTitle() : tMMenuHrefProfile("", 400, 25) {}

void tMMenuProfileTitle::_shown() {
  value(tSf::Create(MMenuString("mmenuProfile", "title")).s(tProfile::Current().getName(0)).sf());
}

void tMMenuProfileTitle::_action() {
  tProfile::Current().user(0);
  tMMenu::Current().go<M_MMENU_SELECT>();
}

tMMenuProfileComment::tMMenuProfileComment()
    : tMMenuLabelProfile(MMenuString("mmenuProfile", "comment"), 400, 40, "2t") {}

tMMenuQuitTitle::tMMenuQuitTitle() : tMMenuLabelQuit(MMenuString("mmenuQuit", "title"), 400, 430) {}

tMMenuQuitYes::tMMenuQuitYes() : tMMenuHrefQuit(MMenuString("mmenuQuit", "yes"), 370, 470) { hotspot(1.0f, 0.5f); }

void tMMenuQuitYes::_action() { send(M_APP_TERMINATE{}); }

tMMenuQuitNo::tMMenuQuitNo() : tMMenuHrefQuit(MMenuString("mmenuQuit", "no"), 430, 470) {
  hotspot(0.0f, 0.5f);
  escape(KEY_CLICK);
}

void tMMenuQuitNo::_action() { tMMenu::Current().goHome(); }

}  // namespace vandrell
