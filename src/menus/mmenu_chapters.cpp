#include "menus/mmenu_chapters.h"

#include "menus/mmenu.h"
#include "resources/profile.h"

namespace vandrell {

tMMenuLevelTitle::tMMenuLevelTitle() : tMMenuLabelLevel(MMenuString("mmenuLevel", "title"), 400, 430) {}

tMMenuLevelSelect::tMMenuLevelSelect() : tMMenuHrefLevel("", 400, 470) {}

int32_t tMMenuLevelSelect::none(vandrell::M_MMENU_NONE& msg) {
  if (isVisible()) tMMenu::Current().nChapter = 0;
  return tMMenuHrefLevel::none(msg);
}

void tMMenuLevelSelect::_shown() {
  const tMMenu& menu = tMMenu::Current();
  value(menu.chapterTitle(menu.nChapter));
  enable(menu.reached(menu.nChapter));
}

void tMMenuLevelSelect::_action() {
  const tMMenu& menu = tMMenu::Current();
  tProfile& profile = tProfile::Current();
  profile.progress(menu.chapters[static_cast<size_t>(menu.nChapter)]);
  profile.saveProfile();
  profile.removeSave("");
  M_COMMAND_NEXTCALL::send("__continue");
}

tMMenuLevelTurn::tMMenuLevelTurn(int32_t step, const char* key, float h)
    : tMMenuHrefLevel(MMenuString("mmenuLevel", key), h, 470, "0t"), _step(step) {}

void tMMenuLevelTurn::_shown() {
  const tMMenu& menu = tMMenu::Current();
  enable(menu.canTurn(menu.nChapter, _step));
}

void tMMenuLevelTurn::_action() {
  tMMenu& menu = tMMenu::Current();
  menu.nChapter = menu.turn(menu.nChapter, _step);
  menu.refresh<M_MMENU_LEVEL>();
}

tMMenuLevelClose::tMMenuLevelClose() : tMMenuHrefLevel(MMenuString("mmenuLevel", "close"), 400, 510) {
  escape(KEY_CLICK);
}

void tMMenuLevelClose::_action() { tMMenu::Current().go<M_MMENU_MAIN>(); }

tMMenuDiaryTitle::tMMenuDiaryTitle() : tMMenuLabelDiary(MMenuString("mmenuDiary", "title"), 400, 430) {}

tMMenuDiarySelect::tMMenuDiarySelect() : tMMenuHrefDiary("", 400, 470) {}

void tMMenuDiarySelect::_shown() {
  const tMMenu& menu = tMMenu::Current();
  value(menu.chapterTitle(menu.nDiary));
  enable(menu.reached(menu.nDiary));
}

void tMMenuDiarySelect::_action() {
  const tMMenu& menu = tMMenu::Current();
  M_GAME_DIARY::send({menu.chapters[static_cast<size_t>(menu.nDiary)]});
}

tMMenuDiaryTurn::tMMenuDiaryTurn(int32_t step, const char* key, float h)
    : tMMenuHrefDiary(MMenuString("mmenuDiary", key), h, 470, "0t"), _step(step) {}

void tMMenuDiaryTurn::_shown() {
  const tMMenu& menu = tMMenu::Current();
  enable(menu.canTurn(menu.nDiary, _step));
}

void tMMenuDiaryTurn::_action() {
  tMMenu& menu = tMMenu::Current();
  menu.nDiary = menu.turn(menu.nDiary, _step);
  menu.refresh<M_MMENU_DIARY>();
}

tMMenuDiaryClose::tMMenuDiaryClose() : tMMenuHrefDiary(MMenuString("mmenuDiary", "close"), 400, 510) {
  escape(KEY_CLICK);
}

void tMMenuDiaryClose::_action() { tMMenu::Current().go<M_MMENU_MAIN>(); }

tMMenuDiarypageClose::tMMenuDiarypageClose()
    : tMMenuHrefDiarypage(MMenuString("mmenuDiarypage", "close"), 400, 575) {
  escape(KEY_TAKE);
}

void tMMenuDiarypageClose::_action() { send(M_GAME_MENU{}); }

tMMenuDiarypageTurn::tMMenuDiarypageTurn(int32_t step, const char* key, float h)
    : tMMenuHrefDiarypage(MMenuString("mmenuDiarypage", key), h, 575, "0t"), _step(step) {}

void tMMenuDiarypageTurn::_shown() {
  const tMMenu& menu = tMMenu::Current();
  enable(menu.canTurn(menu.nDiary, _step));
}

void tMMenuDiarypageTurn::_action() {
  tMMenu& menu = tMMenu::Current();
  menu.nDiary = menu.turn(menu.nDiary, _step);
  M_GAME_DIARY::send({menu.chapters[static_cast<size_t>(menu.nDiary)]});
}

}  // namespace vandrell
