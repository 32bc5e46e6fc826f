#include "menus/mmenu.h"

#include <algorithm>

#include "gui/hover_catchers.h"
#include "menus/mmenu_chapters.h"
#include "menus/mmenu_link.h"
#include "menus/mmenu_main.h"
#include "menus/mmenu_options.h"
#include "menus/mmenu_players.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "resources/campaign.h"
#include "resources/profile.h"

namespace vandrell {

tMMenu::tMMenu() {
  for (const auto& pages : {_fEnable, _fDisable}) {
    pages->add<vandrell::M_MMENU_NONE, vandrell::M_MMENU_MAIN, M_MMENU_OPTIONS, M_MMENU_QUIT, M_MMENU_SELECT,
               M_MMENU_CREATE, M_MMENU_REMOVE, M_MMENU_LEVEL, M_MMENU_DIARY, M_MMENU_DIARYPAGE, M_MMENU_ZEB,
               M_MMENU_WINDOWED, M_MMENU_ORIENTATION>();
  }
  _fEnable->add<GUIMSG_RENDER, GUIMSG_HOVER, GUIMSG_TREAT, GUIMSG_MOUSEDOWN, GUIMSG_MOUSEUP, GUIMSG_KEYCHAR,
                vandrell::GUIMSG_KEYDOWN>();
  filter(_fDisable);

  InsertWidgets<tMMenuStart, tMMenuContinue, tMMenuLevel, tMMenuDiary, tMMenuExtra, tMMenuOptions, tMMenuCredits,
            tMMenuZeb, tMMenuQuit>(*this);
  InsertWidgets<tMMenuOptionsTitle, tMMenuOptionsFullscreen, tMMenuOptionsFullscreenSwitch, tMMenuOptionsPointer,
            tMMenuOptionsPointerSwitch, tMMenuOptionsMusic, tMMenuOptionsMusicVolume, tMMenuOptionsMusicMinus,
            tMMenuOptionsMusicPlus, tMMenuOptionsSound, tMMenuOptionsSoundVolume, tMMenuOptionsSoundMinus,
            tMMenuOptionsSoundPlus, tMMenuOptionsClose, tMMenuProfileTitle, tMMenuProfileComment>(*this);
  InsertWidgets<tMMenuQuitTitle, tMMenuQuitYes, tMMenuQuitNo>(*this);
  InsertWidgets<tMMenuSelectTitle, tMMenuSelectComment, tMMenuSelect1, tMMenuSelect2, tMMenuSelect3, tMMenuSelectQuit>(
      *this);
  InsertWidgets<tMMenuRemoveTitle, tMMenuRemoveYes, tMMenuRemoveNo>(*this);
  InsertWidgets<tMMenuCreateTitle, tMMenuCreateInput, tMMenuCreateYes, tMMenuCreateNo, tMMenuCreateDuplicated,
            tMMenuCreateEmpty>(*this);
  InsertWidgets<tMMenuLevelTitle, tMMenuLevelSelect, tMMenuLevelBack, tMMenuLevelNext, tMMenuLevelClose>(*this);
  InsertWidgets<tMMenuDiaryTitle, tMMenuDiarySelect, tMMenuDiaryBack, tMMenuDiaryNext, tMMenuDiaryClose>(*this);
  InsertWidgets<tMMenuDiarypageClose, tMMenuDiarypageBack, tMMenuDiarypageNext>(*this);
  InsertWidgets<tMMenuZebUrl, tMMenuZebClose>(*this);
  InsertWidgets<tMMenuWindowedTitle, tMMenuWindowedClose, tMMenuOrientationTitle, tMMenuOrientationClose>(*this);
  hide();

  const tCampaign& campaign = tCampaign::Current();
  for (int32_t level = 0; campaign.contains(std::to_string(level), ""); ++level) {
    if (campaign.contains(std::to_string(level), "chapter")) chapters.push_back(level);
  }
}

tMMenu& tMMenu::Current() { return tProcessWide<tMMenu>::get(); }

const std::shared_ptr<tMMenu>& tMMenu::shared() { return tProcessWide<tMMenu>::shared(); }

void tMMenu::show() {
  filter(_fEnable);
  _shown = 1;
  goHome();
  runHoverPass();
  DebugLog("Main menu shown.");
}

void tMMenu::hide() {
  sendto(*this, vandrell::M_MMENU_NONE{});
  filter(_fDisable);
  _shown = 0;
}

void tMMenu::showDiary() {
  filter(_fEnable);
  _shown = 1;
  go<M_MMENU_DIARYPAGE>();
  runHoverPass();
}

void tMMenu::runHoverPass() {
  // The button under the pointer lights at once, not a frame later.
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
}

void tMMenu::logPage(const char* name) { DebugLog(std::string("Main menu page ") + name + "."); }

int32_t tMMenu::GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
  if (!_shown || msg.key() != 27) return 0;
  // The widgets of the page shown had their turn first; one of them may have
  // backed out already.
  DebugLog("The main menu answers Escape.");
  if (msg.checkOut().has_value()) return 0;
  msg.out(shared_from_this());
  go<M_MMENU_QUIT>();
  return 0;
}

int32_t tMMenu::M_MMENU_MAIN(vandrell::M_MMENU_MAIN&) {
  const int32_t progress = tProfile::Current().getProgress();
  int32_t latest = 0;
  for (int32_t i = 0; i < chapterCount(); ++i) {
    if (chapters[static_cast<size_t>(i)] <= progress) latest = i;
  }
  nChapter = nDiary = latest;
  return 0;
}

void tMMenu::goHome() {
  if (tProfile::Current().isPlayer(0)) {
    go<vandrell::M_MMENU_MAIN>();
  } else {
    go<M_MMENU_SELECT>();
  }
}

bool tMMenu::reached(int32_t position) const {
  if (position < 0 || position >= chapterCount()) return false;
  tProfile& profile = tProfile::Current();
  return profile.isFinish() || chapters[static_cast<size_t>(position)] <= profile.getProgress();
}

bool tMMenu::canTurn(int32_t position, int32_t step) const {
  return step < 0 ? position + step >= 0 : reached(position + step);
}

int32_t tMMenu::turn(int32_t position, int32_t step) const {
  return std::clamp(position + step, 0, std::max(0, chapterCount() - 1));
}

std::string tMMenu::chapterTitle(int32_t position) const {
  if (position < 0 || position >= chapterCount()) return "";
  return tCampaign::Current().get(std::to_string(chapters[static_cast<size_t>(position)]), "chapter");
}

}  // namespace vandrell
