// Script actions on on-screen texts and on the pics that show words of the
// message table (label and text pics). Calling texts up also writes their
// name into the journal, so a name that has no on-screen texts at all still
// makes a journal entry.
#pragma once

#include <cstdint>
#include <type_traits>

#include "hud/txt.h"
#include "scene/pic_message.h"
#include "script/zeb_action.h"

namespace vandrell {

// Calls up the texts named by argument 0, with one interface sound for them
// all, and adds the name to the journal.
class tShowTexts : public tZebAction {
 public:
  float exec() override;

 protected:
  virtual void showOne(tTxt& text) = 0;
};

class tZebAction_txtm : public tShowTexts {
  void showOne(tTxt& text) override { text.zeb_txtm(); }
};

class tZebAction_txtmm : public tShowTexts {
  void showOne(tTxt& text) override { text.zeb_txtmm(); }
};

class tZebAction_txtxy : public tShowTexts {
  void showOne(tTxt& text) override;
};

// One call on the text or words pic that argument 0 evaluates to; an
// operation that takes a message key gets argument 1 as written.
template <auto TxtOperation, auto PicOperation>
class tTextCall : public tZebAction {
 public:
  float exec() override {
    const tObjectPtr target = calc(0)->ToObject();
    if (const auto text = std::dynamic_pointer_cast<tTxt>(target)) {
      call(*text, TxtOperation);
    } else if (const auto pic = std::dynamic_pointer_cast<tPicMessage>(target)) {
      call(*pic, PicOperation);
    } else {
      reportNothingNamed(0);
    }
    return 0.0f;
  }

 private:
  template <class Target, class Operation>
  void call(Target& target, Operation operation) {
    if constexpr (std::is_invocable_v<Operation, Target&>) {
      (target.*operation)();
    } else {
      (target.*operation)(variable(1));
    }
  }
};

using tZebAction_txtupdate = tTextCall<&tTxt::zeb_txtupdate, &tPicMessage::zeb_txtupdate>;
using tZebAction_txtautoupdateon = tTextCall<&tTxt::zeb_txtautoupdateon, &tPicMessage::zeb_txtautoupdateon>;
using tZebAction_txtautoupdateoff = tTextCall<&tTxt::zeb_txtautoupdateoff, &tPicMessage::zeb_txtautoupdateoff>;
using tZebAction_settext = tTextCall<&tTxt::zeb_settext, &tPicMessage::zeb_settext>;

// Every fully shown text leaves, with the interface sound of dismissing one.
class tZebAction_cleartxts : public tZebAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed.
void RegisterTxtActions();

}  // namespace vandrell
